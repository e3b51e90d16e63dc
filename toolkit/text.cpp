#include "toolkit/text.h"

#include <climits>
#include <cstdint>

namespace tk {

long Val(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Accumulate as a negative number so that LONG_MIN is reachable; saturate on overflow.
    long value = 0;
    bool saturated = false;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (!saturated) {
            if (value < (LONG_MIN + digit) / 10) {
                saturated = true;
            } else {
                value = value * 10 - digit;
            }
        }
    }
    if (saturated) return negative ? LONG_MIN : LONG_MAX;
    if (negative) return value;
    return value == LONG_MIN ? LONG_MAX : -value;
}

std::string Str(long value) { return std::to_string(value); }

namespace {

// Characters of bytes 0x80-0x9F. The five bytes the code page leaves undefined
// stand for the control characters of the same number, both ways.
constexpr char32_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t byteToChar(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighTable[b - 0x80];
    return b;
}

// The byte of a character, or -1 when the code page has none.
int charToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == c) return 0x80 + i;
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Nothing in the code page lies beyond the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one character at pos and moves past it; false (and pos past one byte) when the
// bytes there are not well-formed UTF-8.
bool decodeUtf8(const std::string& text, std::size_t& pos, char32_t& out) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b0 = byte(pos);
    int extra;
    char32_t c;
    char32_t min;
    if (b0 < 0x80) {
        out = b0;
        ++pos;
        return true;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1, c = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2, c = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i <= extra; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += extra + 1;
    out = c;
    return true;
}

}  // namespace

std::string cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) appendUtf8(out, byteToChar(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::string> utf8ToCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c;
        if (!decodeUtf8(text, pos, c)) return std::nullopt;
        const int b = charToByte(c);
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

bool fitsCp1252(const std::string& text) { return utf8ToCp1252(text).has_value(); }

int characterCount(const std::string& text) {
    int n = 0;
    for (unsigned char ch : text) n += (ch & 0xC0) != 0x80;
    return n;
}

std::size_t byteOfCharacter(const std::string& text, int index) {
    std::size_t i = 0;
    for (int n = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (n++ == index) return i;
    }
    return text.size();
}

}  // namespace tk
