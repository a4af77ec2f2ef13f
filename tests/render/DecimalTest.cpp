#include <gtest/gtest.h>

#include <climits>
#include <cstring>

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
