#include "core/Decimal.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

int32_t parseDecimal(const char* begin, const char* end) {
    const char* p = begin;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const int64_t limit = negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
    int64_t value = 0;
    for (; p != end && *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit) value = limit;  // keep reading digits, stay saturated
    }
    return int32_t(negative ? -value : value);
}

namespace {

// Short plain decimals ("-0.2588", the whole of a model file) are exact as
// m / 10^k with m below 2^24 and k at most 9: both are then floats exactly,
// and one correctly rounded division gives the nearest float, the same value
// the general reader finds. Returns false for anything else.
bool parseShortDecimal(const char* p, const char* end, float& value) {
    static const float powersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f};
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    const char* digits = p;
    uint32_t mantissa = 0;  // at most nine digits: no overflow
    for (; p != end && unsigned(*p - '0') < 10; ++p) mantissa = mantissa * 10 + unsigned(*p - '0');
    const long integerDigits = p - digits;
    long fractionDigits = 0;
    if (p != end && *p == '.') {
        const char* fraction = ++p;
        for (; p != end && unsigned(*p - '0') < 10; ++p) {
            mantissa = mantissa * 10 + unsigned(*p - '0');
        }
        fractionDigits = p - fraction;
        if (fractionDigits == 0) return false;
    }
    // An exponent or trailing text is left to the general reader.
    if (p != end || integerDigits == 0 || integerDigits + fractionDigits > 9) return false;
    if (mantissa >= (1u << 24)) return false;
    const float magnitude = float(mantissa) / powersOfTen[fractionDigits];
    value = negative ? -magnitude : magnitude;
    return true;
}

#if defined(__cpp_lib_to_chars)
float parseLongFloat(const char* begin, const char* end) {
    float value = 0.0f;
    if (std::from_chars(begin, end, value).ec != std::errc()) return 0.0f;
    return value;
}
#else
// A C++ library without std::from_chars for floats (the browser build's):
// strtof rounds as correctly, and only what from_chars also reads is handed
// to it (no leading space, no hexadecimal), with its range errors read alike.
float parseLongFloat(const char* begin, const char* end) {
    const char* digits = begin + (begin != end && *begin == '-');
    if (digits == end || !(unsigned(*digits - '0') < 10 || *digits == '.' || *digits == 'i' ||
                           *digits == 'I' || *digits == 'n' || *digits == 'N')) {
        return 0.0f;
    }
    std::string text(begin, end);
    if (end - digits > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        text.resize(size_t(digits - begin) + 1);  // from_chars stops after the 0
    }
    errno = 0;
    char* stop = nullptr;
    const float value = std::strtof(text.c_str(), &stop);
    if (stop == text.c_str()) return 0.0f;
    if (errno == ERANGE && (std::isinf(value) || value == 0.0f)) return 0.0f;
    return value;
}
#endif

}  // namespace

float parseFloat(const char* begin, const char* end) {
    if (begin != end && *begin == '+') ++begin;
    float value = 0.0f;
    if (parseShortDecimal(begin, end, value)) return value;
    return parseLongFloat(begin, end);
}
