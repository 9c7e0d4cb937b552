// The data files' code page. Every byte has a character: the five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// control characters U+0081 … U+009D, so any file reads and writes back
// unchanged.
#pragma once

#include "records/layer.h"

#include <string>
#include <string_view>

namespace dravonelle {

// Any bytes to UTF-8, one character per byte.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character the code page lacks, and each byte of
// malformed UTF-8, becomes '?'.
std::string utf8ToWindows1252(std::string_view utf8);

// Appends one character below U+10000 to a UTF-8 text.
void appendUtf8(std::string& out, char32_t c);

}  // namespace dravonelle
