#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "core/Decimal.h"

TEST(Decimal, ReadsAnOptionalSignAndTheLeadingDigitsSaturatingAtThirtyTwoBits) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"1234", 1234},
                 {"-56", -56},
                 {"+7", 7},
                 {"12abc", 12},
                 {"007", 7},
                 {"", 0},
                 {"-", 0},
                 {"abc", 0},
                 {" 5", 0},
                 {"--5", 0},
                 {"2147483647", INT_MAX},
                 {"2147483648", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"-2147483649", INT_MIN},
                 {"99999999999999999999999999999", INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(parseDecimal(c.text, c.text + strlen(c.text)), c.value) << c.text;
    const char* text = "123456";
    EXPECT_EQ(parseDecimal(text, text + 3), 123) << "stops at the end of the range";
}

namespace {

// The general reader the model loader used before the short path: the word
// after an optional '+', as far as it is a number, else 0.
float reference(const std::string& word) {
    const char* begin = word.data();
    const char* end = begin + word.size();
    if (begin != end && *begin == '+') ++begin;
    float value = 0.0f;
    if (std::from_chars(begin, end, value).ec != std::errc()) return 0.0f;
    return value;
}

void expectSameAsReference(const std::string& word) {
    float value = parseFloat(word.data(), word.data() + word.size()), expected = reference(word);
    EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
        << word << ": " << value << " instead of " << expected;
}

}  // namespace

TEST(Decimal, FloatsOfModelFilesReadBitForBitAsTheGeneralReader) {
    char word[32];
    for (int i = -30000; i <= 30000; ++i) {
        snprintf(word, sizeof word, "%.4f", i / 10000.0);
        expectSameAsReference(word);
    }
    std::mt19937 g(11);
    for (int i = 0; i < 20000; ++i) {
        int digits = int(g() % 11) + 1;
        std::string text = g() % 2 ? "-" : "";
        for (int d = 0; d < digits; ++d) text += char('0' + g() % 10);
        if (g() % 3) text.insert(text.size() - size_t(g() % unsigned(digits)), ".");
        expectSameAsReference(text);
    }
    expectSameAsReference("");
    std::istringstream unusual(
        "- + ++1 +-2.5 -0.0000 0 16777215 16777216 16777217 0.12345678901 1. .5 -.5 1e3 2.5e-3 "
        "7abc 3.25x 1..2 nan inf 99999999999999999999 0.00000000001 1e999");
    for (std::string word; unusual >> word;) expectSameAsReference(word);
    EXPECT_EQ(parseFloat(nullptr, nullptr), 0.0f);
}
