// How numbers live in texts: captions read back as numbers, and numbers
// spliced into sentences.
#pragma once

#include <string>
#include <string_view>

namespace dravonelle {

// Leading blanks skipped, an optional sign and digits read; a text that does
// not start with a number reads 0. The since-creation counters outgrow 16
// bits, so the reading saturates only at the 32-bit range.
int leadingNumber(std::string_view text);

// Plain decimal without a leading blank: "45", "-10", "0".
std::string plainNumber(int n);

// The sign-position form: one blank before a non-negative number, the minus
// sign before a negative one: " 45", "-10".
std::string signedNumber(int n);

// Length in characters of a UTF-8 text: the bubble's size steps count what
// the player reads, not bytes.
std::size_t textLength(std::string_view text);

}  // namespace dravonelle
