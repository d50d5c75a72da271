#include "storage/Cp1252.h"

#include <gtest/gtest.h>

using namespace storage;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> back = utf8ToCp1252Exact(cp1252ToUtf8(byte));
        ASSERT_TRUE(back) << "byte " << b;
        EXPECT_EQ(*back, byte) << "byte " << b;
    }
}

TEST(Cp1252, BytesMapToTheirWindowsCharacters)
{
    struct Case
    {
        unsigned char byte;
        const char *utf8;
    };
    const Case cases[] = {
        {0x41, "A"},      {0x80, "\u20AC"}, {0x81, "\u0081"}, {0x8D, "\u008D"}, {0x8F, "\u008F"},
        {0x90, "\u0090"}, {0x9D, "\u009D"}, {0x9F, "\u0178"}, {0xA0, "\u00A0"}, {0xB6, "\u00B6"},
        {0xE9, "\u00E9"}, {0xFF, "\u00FF"}, {0x8A, "\u0160"}, {0x99, "\u2122"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cp1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8) << int(c.byte);
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
