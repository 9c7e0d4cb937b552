#include "records/windows_1252.h"

#include <array>
#include <cstdint>

namespace dravonelle {

namespace {

// Bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr std::array<char32_t, 32> kHaut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char32_t codePoint(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kHaut[b - 0x80] : b; }

// The byte of a character, or '?' when the page lacks it.
char pageByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHaut[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

struct Decoded {
    char32_t c;
    std::size_t length;  // 0: malformed
};

// One character of UTF-8 at the start of s; overlong forms, surrogates and
// code points past U+10FFFF are malformed.
Decoded decode(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t n = 0;
    char32_t c = 0, min = 0;
    if (b0 < 0x80) return {b0, 1};
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return {0, 0};
    }
    if (s.size() < n) return {0, 0};
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return {0, 0};
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
    return {c, n};
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // The names and the code page stay below U+10000: three bytes.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}


std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, codePoint(static_cast<unsigned char>(b)));
    return out;
}

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = decode(utf8);
        if (d.length == 0) {
            out += '?';
            utf8.remove_prefix(1);
        } else {
            out += pageByte(d.c);
            utf8.remove_prefix(d.length);
        }
    }
    return out;
}

}  // namespace dravonelle
