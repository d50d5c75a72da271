#include "storage/Cp1252.h"

#include <cstdint>

namespace storage {
namespace {

// Characters of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char32_t highControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t charOfByte(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return highControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> byteOfChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (highControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at pos and advances it; nothing for a malformed,
// overlong or surrogate sequence (pos then skips one byte).
std::optional<char32_t> decodeUtf8(const std::string &text, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    else
        return std::nullopt;
    std::size_t p = pos;
    for (int i = 0; i < extra; ++i, ++p) {
        if (p >= text.size() || (static_cast<unsigned char>(text[p]) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (static_cast<unsigned char>(text[p]) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos = p;
    return c;
}

} // namespace

std::string cp1252ToUtf8(const std::string &bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        appendUtf8(out, charOfByte(static_cast<unsigned char>(b)));
    return out;
}

std::optional<std::string> utf8ToCp1252Exact(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> c = decodeUtf8(text, pos);
        const std::optional<unsigned char> byte = c ? byteOfChar(*c) : std::nullopt;
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string utf8ToCp1252(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> c = decodeUtf8(text, pos);
        const std::optional<unsigned char> byte = c ? byteOfChar(*c) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

} // namespace storage
