#include "core/text/convert.h"
#include "core/text/number_entry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zqf {
namespace {

TEST(ParseNumber, AcceptsDecimalNumbers) {
    const std::pair<const char*, double> good[] = {
        {"1750.4", 1750.4},   {" 10 ", 10.0}, {"-3", -3.0}, {"+5", 5.0},
        {".5", 0.5},          {"5.", 5.0},    {"1e6", 1e6}, {"1.5E+06", 1.5e6},
        {"-.25e-2", -0.0025}, {"\t0\t", 0.0}, {"007", 7.0},
    };
    for (const auto& [text, value] : good) {
        const auto parsed = parse_number(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
}

TEST(ParseNumber, RefusesEverythingElse) {
    for (const char* text : {"", " ", "abc", "1,5", "0x10", "1e", "1e+", ".", "-", "+-1", "1.2.3",
                             "12abc", "inf", "nan", "1 2", "1e999", "--1", "e5"}) {
        EXPECT_FALSE(parse_number(text).has_value()) << '"' << text << '"';
    }
}

TEST(Conversions, HalvesGoToEven) {
    EXPECT_EQ(to_int16(0.5), 0);
    EXPECT_EQ(to_int16(1.5), 2);
    EXPECT_EQ(to_int16(2.5), 2);
    EXPECT_EQ(to_int16(-2.5), -2);
    EXPECT_EQ(to_int16(-3.5), -4);
    EXPECT_EQ(to_int16(2.4999), 2);
    EXPECT_EQ(to_int32(102.0 / 2.0), 51);
    EXPECT_EQ(to_int32(101.0 / 2.0), 50);
    EXPECT_DOUBLE_EQ(round_half_even(-0.5), 0.0);
}

TEST(Conversions, RangeLimitsAreErrors) {
    EXPECT_EQ(to_int16(32767.0), 32767);
    EXPECT_EQ(to_int16(32767.4), 32767);
    EXPECT_FALSE(to_int16(32767.5).has_value()); // rounds to 32768
    EXPECT_EQ(to_int16(-32768.5), -32768);       // rounds to the even -32768
    EXPECT_FALSE(to_int16(-32769.0).has_value());
    EXPECT_EQ(to_int32(2147483647.0), 2147483647);
    EXPECT_FALSE(to_int32(2147483647.5).has_value());
    EXPECT_EQ(to_int32(-2147483648.0), -2147483647 - 1);
    EXPECT_FALSE(to_int32(-2147483649.0).has_value());
    EXPECT_FALSE(to_int32(std::nan("")).has_value());
}

TEST(Conversions, IntegerPartAndFifteenDigits) {
    EXPECT_DOUBLE_EQ(integer_part(175.04), 175.0);
    EXPECT_DOUBLE_EQ(integer_part(-0.5), -1.0);
    EXPECT_DOUBLE_EQ(integer_part(-3.0), -3.0);
    EXPECT_EQ(round15(1750.4 * 1e6), 1750400000.0);
    EXPECT_EQ(round15(0.1 + 0.2), 0.3);
}

TEST(WordBits, KeepsBit31AndWrapsOutOfRangeSums) {
    EXPECT_EQ(word_bits(2147483649.0), 0x80000001U);
    EXPECT_EQ(word_bits(4294967295.0), 0xFFFFFFFFU);
    EXPECT_EQ(word_bits(4294967296.0 + 5.0), 5U);
    EXPECT_EQ(word_bits(-1.0), 0xFFFFFFFFU);
    EXPECT_EQ(word_bits(2.5), 2U);
}

} // namespace
} // namespace zqf
