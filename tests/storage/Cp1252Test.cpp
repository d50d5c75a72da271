#include "storage/Cp1252.h"

#include <gtest/gtest.h>

using namespace storage;

// Every byte has a character that gives the byte back; the spot checks are
// where Windows-1252 differs from Latin-1, and two of the bytes Windows
// leaves undefined.
TEST(Cp1252, EveryByteRoundTripsThroughItsWindowsCharacter)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252Exact(cp1252ToUtf8(byte)).value_or("none"), byte) << "byte " << b;
    }
    // clang-format off
    const std::pair<unsigned char, const char *> spots[] = {{0x80, "\u20AC"}, {0x8A, "\u0160"}, {0x99, "\u2122"}, {0x9F, "\u0178"}, {0x81, "\u0081"}, {0x9D, "\u009D"}};
    // clang-format on
    for (const auto &[byte, utf8] : spots)
        EXPECT_EQ(cp1252ToUtf8(std::string(1, static_cast<char>(byte))), utf8) << int(byte);
}

TEST(Cp1252, UnstorableTextIsRefusedOrReplaced)
{
    const char *unstorable[] = {"\u0142",   "\U0001F600",   "\xC3",
                                "\xC0\x80", "\xED\xA0\x80", "\u0080"};
    for (const char *text : unstorable) {
        EXPECT_FALSE(utf8ToCp1252Exact(text)) << text;
        EXPECT_EQ(utf8ToCp1252(std::string("a") + text + "b").front(), 'a');
    }
    EXPECT_EQ(utf8ToCp1252("x\u0142y"), "x?y");
    EXPECT_EQ(utf8ToCp1252("\U0001F600"), "?");
}
