#pragma once

#include <cstdint>

// Plain decimal reading shared by the text formats: an optional sign, then
// the leading digits; anything after them is ignored and no digits give 0.
// Values beyond 32 bits saturate rather than wrap.
int32_t parseDecimal(const char* begin, const char* end);

// A word read as a single-precision number as far as it is one (an optional
// leading '+' is accepted); a word that does not start with a number gives 0.
// The result is the correctly rounded value, as std::from_chars gives it.
float parseFloat(const char* begin, const char* end);
