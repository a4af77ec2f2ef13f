#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "render/Decimal.h"

namespace {
int32_t parse(const char* text) { return parseDecimal(text, text + strlen(text)); }
}  // namespace

TEST(Decimal, ReadsAnOptionalSignAndTheLeadingDigits) {
    EXPECT_EQ(parse("1234"), 1234);
    EXPECT_EQ(parse("-56"), -56);
    EXPECT_EQ(parse("+7"), 7);
    EXPECT_EQ(parse("12abc"), 12);
    EXPECT_EQ(parse("007"), 7);
}

TEST(Decimal, TextWithoutLeadingDigitsIsZero) {
    EXPECT_EQ(parse(""), 0);
    EXPECT_EQ(parse("-"), 0);
    EXPECT_EQ(parse("abc"), 0);
    EXPECT_EQ(parse(" 5"), 0);
    EXPECT_EQ(parse("--5"), 0);
}

TEST(Decimal, StopsAtTheEndOfTheGivenRange) {
    const char* text = "123456";
    EXPECT_EQ(parseDecimal(text, text + 3), 123);
}

TEST(Decimal, ValuesBeyondThirtyTwoBitsSaturate) {
    EXPECT_EQ(parse("2147483647"), INT_MAX);
    EXPECT_EQ(parse("2147483648"), INT_MAX);
    EXPECT_EQ(parse("-2147483648"), INT_MIN);
    EXPECT_EQ(parse("-2147483649"), INT_MIN);
    EXPECT_EQ(parse("99999999999999999999999999999"), INT_MAX);
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

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void expectSameAsReference(const std::string& word) {
    float value = parseFloat(word.data(), word.data() + word.size());
    EXPECT_EQ(bitsOf(value), bitsOf(reference(word))) << word;
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
}

TEST(Decimal, UnusualFloatWordsStillReadAsTheGeneralReaderDoes) {
    for (const char* word : {"",
                             "-",
                             "+",
                             "++1",
                             "+-2.5",
                             "-0.0000",
                             "0",
                             "16777215",
                             "16777216",
                             "16777217",
                             "0.12345678901",
                             "1.",
                             ".5",
                             "-.5",
                             "1e3",
                             "2.5e-3",
                             "7abc",
                             "3.25x",
                             "1..2",
                             "nan",
                             "inf",
                             "99999999999999999999",
                             "0.00000000001",
                             "1e999"}) {
        expectSameAsReference(word);
    }
    EXPECT_EQ(parseFloat(nullptr, nullptr), 0.0f);
}
