#include "core/windows/names/main_controls.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

bool visible(ProgramBench& b, std::string_view name) {
    return b.main().find(name)->visible();
}
bool enabled(ProgramBench& b, std::string_view name) {
    return b.main().find(name)->enabled();
}

// The bench scripts device_* and panel_* check more of each family's set-up.
TEST(MainSetup, WhatEachFamilyShowsAndEnables) {
    struct Case {
        const char* device_option;
        std::vector<const char*> shown, hidden, disabled;
    };
    const Case cases[] = {
        // The ZQF7310: the RF section and a four-register table.
        {"Option1",
         {"Combo1", "Combo8", "Toggle15", "Toggle31", "Label17"},
         {"Frame5", "Frame6", "Frame13", "Frame14", "phase_reg_frame", "Toggle32", "Combo3",
          "Combo5", "Combo10", "Toggle23", "Toggle26", "Toggle29", "Toggle33", "Label33",
          "Label35"},
         {"Command2", "command14"}},
        // The ZQF7320: no resync list, the fast-lock switch kept.
        {"Option2", {"Toggle32"}, {"Combo1", "Label41"}, {"Combo1"}},
        // The ZQF7340: the fifth register's row and lists.
        {"Option4",
         {"Combo11", "Combo10", "Toggle36", "Label33", "Label26", "Label35", "Option1", "Option3"},
         {"Combo1", "Combo8", "Toggle16", "Toggle13", "Label41"},
         {}},
        // The ZQF7350: no noise choice, no clock-divider command.
        {"Option5", {}, {"Option1", "Option3"}, {"command14"}},
        {"Option6",
         {"Frame5", "Label4", "Label6", "currentsetting2", "Toggle15", "Toggle33", "Toggle34",
          "Toggle24", "Toggle25", "Label31"},
         {"Frame6", "Frame14", "Combo1", "Combo2", "Combo8", "Combo10", "Toggle16", "Toggle31",
          "Toggle32", "phase_reg_frame"},
         {"command14", "Command4"}},
    };
    for (const Case& c : cases) {
        ProgramBench b;
        b.confirm(c.device_option);
        for (const char* name : c.shown) {
            EXPECT_TRUE(visible(b, name)) << c.device_option << " " << name;
        }
        for (const char* name : c.hidden) {
            EXPECT_FALSE(visible(b, name)) << c.device_option << " " << name;
        }
        for (const char* name : c.disabled) {
            EXPECT_FALSE(enabled(b, name)) << c.device_option << " " << name;
        }
    }
}

TEST(MainSetup, ModesCaptionsAndIndicatorsAtStart) {
    ProgramBench four;
    four.confirm("Option1");
    EXPECT_EQ(four.main().get(main_controls::Frame13).caption(), "");
    EXPECT_TRUE(enabled(four, "Command9"));
    // Lowest Noise Mode is chosen, and no register is written yet.
    EXPECT_FALSE(four.main().get(main_controls::Option1).value());
    EXPECT_EQ(four.lit_indicators(), (std::vector<std::string>{"Toggle19", "Toggle20", "Toggle21",
                                                               "Toggle22", "Toggle30"}));
    // The dual's set-up leaves the indicators as designed: off.
    ProgramBench dual;
    dual.confirm("Option6");
    EXPECT_TRUE(dual.lit_indicators().empty());
}

TEST(MainRefresh, ReadOutsAfterStartUp) {
    ProgramBench four;
    four.confirm("Option1");
    MainForm& m = four.main();
    EXPECT_EQ(m.get(main_controls::ref_freq).caption(), "10000.00000kHz");
    EXPECT_EQ(m.get(main_controls::crystal).caption(), "10.00000MHz");
    EXPECT_EQ(m.get(main_controls::ifvcofreq).caption(), "540.00000MHz");
    EXPECT_EQ(m.get(main_controls::ifref_freq).caption(), "200.00000kHz");
    EXPECT_EQ(m.get(main_controls::currentsetting1).caption(), "5.0000");
    EXPECT_TRUE(four.lit(main_controls::Toggle1)); // rf_pd_polarity 128 from the confirmation

    ProgramBench five;
    five.confirm("Option5");
    EXPECT_EQ(five.main().get(main_controls::currentsetting2).caption(), "0.3125");
    EXPECT_EQ(five.main().get(main_controls::vcofreq).caption(), "5800.00000MHz");

    ProgramBench dual;
    dual.confirm("Option6");
    EXPECT_EQ(dual.main().get(main_controls::Label5).caption(), "Logic Low State");
}

TEST(MainRefresh, CurrentsFollowTheResistorAndUnknownCodesLeaveTheText) {
    ProgramBench b;
    b.confirm("Option6");
    b.state().rset_ohms = 5400.0; // twice the nominal resistor halves the current
    b.main().refresh_registers();
    EXPECT_EQ(b.main().get(main_controls::currentsetting2).caption(), "2.1875");
    b.state().rf_cp_current_dual = 100; // no code
    b.state().rset_ohms = 0.0;          // and no usable resistor for the IF text
    b.main().refresh_registers();
    EXPECT_EQ(b.main().get(main_controls::currentsetting2).caption(), "2.1875");
    EXPECT_EQ(b.main().get(main_controls::currentsetting1).caption(), "2.5000");
}

TEST(MainRefresh, SwitchRules) {
    ProgramBench b;
    b.confirm("Option6");
    MainForm& m = b.main();
    b.state().rf_pd_polarity = 5; // three-way: neither 0 nor the weight leaves it
    m.refresh_registers();
    EXPECT_TRUE(b.lit(main_controls::Toggle1));
    b.state().rf_pd_polarity = 0;
    m.refresh_registers();
    EXPECT_FALSE(b.lit(main_controls::Toggle1));

    b.state().xo_disable = 64;
    m.refresh_registers();
    EXPECT_TRUE(b.lit(main_controls::Toggle10));
    b.state().xo_disable = 5; // two-way: anything but the weight is off
    m.refresh_registers();
    EXPECT_FALSE(b.lit(main_controls::Toggle10));

    b.state().rf_powerdown = 32;
    b.state().cp_gain = 1 << 23;
    m.refresh_registers();
    EXPECT_TRUE(b.lit(main_controls::Toggle15));
    EXPECT_TRUE(b.lit(main_controls::Toggle4));
    b.state().rf_powerdown = 7;
    m.refresh_registers();
    EXPECT_TRUE(b.lit(main_controls::Toggle15));
}

TEST(MainRefresh, MuxoutNamesPerFamily) {
    ProgramBench four;
    four.confirm("Option1");
    four.main().get(main_controls::Combo8).user_choose(6);
    EXPECT_EQ(four.main().get(main_controls::Label5).caption(), "Dont Care");

    ProgramBench five;
    five.confirm("Option4");
    five.main().get(main_controls::Combo11).user_choose(5);
    EXPECT_EQ(five.main().get(main_controls::Label5).caption(), "ODLD");
    five.main().get(main_controls::Combo11).user_choose(10); // no name: left as it was
    EXPECT_EQ(five.main().get(main_controls::Label5).caption(), "ODLD");
}

// The bench script panel_four_register opens the ZQF7310's hidden test view.
TEST(MainPanel, HiddenTestView) {
    ProgramBench five;
    five.confirm("Option4");
    five.main().find(main_controls::Picture1)->user_dblclick();
    EXPECT_TRUE(visible(five, "Combo12"));
    EXPECT_TRUE(visible(five, "Combo13"));
    EXPECT_TRUE(visible(five, "dec_sel_toggle"));
}

} // namespace
} // namespace zqf
