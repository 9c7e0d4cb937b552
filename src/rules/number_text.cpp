#include "rules/number_text.h"

#include <algorithm>
#include <cstdint>

namespace dravonelle {

int leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 40);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::string plainNumber(int n) { return std::to_string(n); }

std::string signedNumber(int n) {
    std::string text;
    if (n >= 0) text += ' ';
    text += std::to_string(n);
    return text;
}

std::size_t textLength(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char ch : text) n += (ch & 0xC0) != 0x80;
    return n;
}

}  // namespace dravonelle
