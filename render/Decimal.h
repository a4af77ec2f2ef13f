#pragma once

#include <cstdint>

// Plain decimal reading shared by the text formats: an optional sign, then
// the leading digits; anything after them is ignored and no digits give 0.
// Values beyond 32 bits saturate rather than wrap.
int32_t parseDecimal(const char* begin, const char* end);
