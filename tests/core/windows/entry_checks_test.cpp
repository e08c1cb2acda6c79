#include "program_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

// What a box says of a text typed into it.
std::string problem(ProgramBench& b, const char* form, const char* box, const char* text) {
    TextBox& entry = b.control<TextBox>(form, box);
    entry.user_type(text);
    return entry.problem();
}

TEST(EntryChecks, ABoxSaysWhyItsTextCannotBeUsedAndStoresNothingOfIt) {
    ProgramBench b;
    b.confirm("Option1");
    b.click("Main", "synthmenu");
    const SharedState before = b.state();
    EXPECT_EQ(problem(b, "synthform", "Text1", "abc"), "\"abc\" is not a number.");
    EXPECT_EQ(problem(b, "synthform", "Text1", "1750.4"), "");
    EXPECT_EQ(problem(b, "synthform", "Text1", ""), ""); // not typed into yet
    // R is stored as a 16-bit whole number, so 2.5 is R = 2; 16 needs a fifth bit.
    EXPECT_EQ(problem(b, "synthform", "Text5", "2.5"), "");
    EXPECT_EQ(problem(b, "synthform", "Text5", "16"),
              "R counter = 16 does not fit its 4-bit field, which takes a whole number from 0 "
              "to 15.");
    EXPECT_EQ(b.state().r_count, before.r_count);
    EXPECT_EQ(b.state().rf_freq, before.rf_freq);
    b.click("synthform", "Command2");

    b.click("Main", "Command9");
    EXPECT_EQ(problem(b, "sweepform", "Text3", "17x2"), "\"17x2\" is not a number.");
    EXPECT_EQ(problem(b, "sweepform", "Text4", "0"),
              "The rate takes a whole number of milliseconds from 1 to 32767.");
    EXPECT_NE(problem(b, "sweepform", "Text4", "0.5"), ""); // a half to even: 0 ms
    EXPECT_EQ(problem(b, "sweepform", "Text4", "1.5"), ""); // 2 ms
}

TEST(EntryChecks, AFieldsRangeIsTheDevices) {
    ProgramBench b;
    b.confirm("Option4"); // ZQF7340: a 5-bit R
    b.click("Main", "synthmenu");
    EXPECT_EQ(problem(b, "synthform", "Text5", "16"), "");
    EXPECT_NE(problem(b, "synthform", "Text5", "32"), "");
    b.click("synthform", "Command2");
    EXPECT_NE(problem(b, "Main", "phase_reg_textbox", "4096"), ""); // 12 bits
    EXPECT_EQ(problem(b, "Main", "phase_reg_textbox", "4095"), "");
}

} // namespace
} // namespace zqf
