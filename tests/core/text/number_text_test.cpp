#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zqf {
namespace {

struct Case {
    double value;
    const char* text;
};

TEST(GeneralForm, ShortestTextWithFifteenDigits) {
    const Case cases[] = {
        {0.0, "0"},
        {10000.0, "10000"},
        {1750.2, "1750.2"},
        {175.04, "175.04"},
        {10e6 / 33554432.0, "0.298023223876953"},
        {1750200000.107288 / 1e6, "1750.20000010729"},
        {-3.0, "-3"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {0.1 + 0.2, "0.3"}, // binary noise beyond 15 digits disappears
        {1750000000.0, "1750000000"},
        {999999999999999.0, "999999999999999"}, // last plain magnitude
        {1e15, "1E+15"},
        {1.5e15, "1.5E+15"},
        {-2.5e20, "-2.5E+20"},
        {1e100, "1E+100"},
        {0.0001, "0.0001"}, // smallest plain magnitude
        {0.00001, "1E-05"},
        {0.000025, "2.5E-05"},
        {9999999999999999.0, "1E+16"}, // rounding to 15 digits moves the exponent
    };
    for (const Case& c : cases) {
        EXPECT_EQ(general_form(c.value), c.text) << c.value;
    }
}

TEST(PrintForm, FramedWithoutLeadingZero) {
    const Case cases[] = {
        {0.5, " .5 "},     {-0.5, "-.5 "},       {1750000000.0, " 1750000000 "},
        {1e15, " 1E+15 "}, {-3.0, "-3 "},        {0.0, " 0 "},
        {200.0, " 200 "},  {0.00001, " 1E-05 "}, {1750.25, " 1750.25 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(print_form(c.value), c.text) << c.value;
    }
    EXPECT_EQ(print_form(int64_t{51200}), " 51200 ");
    EXPECT_EQ(print_form(int64_t{-3}), "-3 ");
    EXPECT_EQ(print_form(int64_t{0}), " 0 ");
}

struct TemplateCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(FormatTemplate, DigitsAndRounding) {
    const TemplateCase cases[] = {
        {1750.0, "#0.00000", "1750.00000"},
        {0.2, "#0.00000", "0.20000"},
        {0.29802322387695312, "#0.00000", "0.29802"},
        {1750.0, ".000000", "1750.000000"},
        {0.2, ".000000", ".200000"},
        {-0.2, ".000000", "-.200000"},
        {0.0, ".000000", ".000000"},
        {0.0, "#0.00000", "0.00000"},
        {5.0, "0.0000", "5.0000"},
        {0.625, "0.0000", "0.6250"},
        {1.875, "#0.0000", "1.8750"},
        {19.2, "#0.000000", "19.200000"},
        {10.0, ".00", "10.00"},
        {0.5, ".00", ".50"},
        {0.125, "#0.00", "0.13"}, // a half goes away from zero
        {-0.125, "#0.00", "-0.13"},
        {0.0000006, ".000000", ".000001"},
        {0.0000004, ".000000", ".000000"},
        {9.999996, "#0.00000", "10.00000"}, // carry through every digit
        {1750.4000000000001, ".000000", "1750.400000"},
        {1e20, "#0.00000", "100000000000000000000.00000"},
        {2.675, "#0.00", "2.68"}, // 2.675 is 2.67499999... in binary; 15 digits make it a half
    };
    for (const TemplateCase& c : cases) {
        EXPECT_EQ(format_template(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(HexText, UpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(hex_text(0), "0");
    EXPECT_EQ(hex_text(0x2BC000), "2BC000");
    EXPECT_EQ(hex_text(0x440C9), "440C9");
    EXPECT_EQ(hex_text(0xFFFFFFFFU), "FFFFFFFF");
}

} // namespace
} // namespace zqf
