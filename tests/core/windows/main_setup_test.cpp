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

TEST(MainSetup, FourRegisterFamily) {
    ProgramBench b;
    b.confirm("Option1"); // ZQF7310
    for (const char* hidden :
         {"Frame4", "Frame5", "Frame6", "Frame13", "Frame14", "phase_reg_frame", "Toggle32",
          "Combo2", "Combo3", "Combo5", "Combo10", "Toggle23", "Toggle26", "Toggle29", "Toggle33",
          "Label33", "Label35"}) {
        EXPECT_FALSE(visible(b, hidden)) << hidden;
    }
    for (const char* shown : {"Combo1", "Combo8", "Toggle15", "Toggle31", "Toggle19", "Label17"}) {
        EXPECT_TRUE(visible(b, shown)) << shown;
    }
    EXPECT_EQ(b.main().get<CaptionControl>("Frame13").caption(), "");
    EXPECT_FALSE(enabled(b, "Command2"));
    EXPECT_FALSE(enabled(b, "command14"));
    EXPECT_TRUE(enabled(b, "Command9"));
    // Lowest Noise Mode is chosen, and no register is written yet.
    EXPECT_TRUE(b.main().get<OptionButton>("Option3").value());
    EXPECT_FALSE(b.main().get<OptionButton>("Option1").value());
    EXPECT_EQ(b.state().ns_bits_4r, 964);
    EXPECT_EQ(b.lit_indicators(), (std::vector<std::string>{"Toggle19", "Toggle20", "Toggle21",
                                                            "Toggle22", "Toggle30"}));

    ProgramBench z20;
    z20.confirm("Option2"); // ZQF7320: no resync list, fast-lock switch kept
    EXPECT_FALSE(visible(z20, "Combo1"));
    EXPECT_FALSE(enabled(z20, "Combo1"));
    EXPECT_FALSE(visible(z20, "Label41"));
    EXPECT_TRUE(visible(z20, "Toggle32"));
}

TEST(MainSetup, FiveRegisterFamily) {
    ProgramBench b;
    b.confirm("Option4"); // ZQF7340
    for (const char* shown : {"phase_reg_frame", "Combo11", "Combo10", "Toggle23", "Toggle36",
                              "Label33", "Label26", "Label35", "Option1", "Option3"}) {
        EXPECT_TRUE(visible(b, shown)) << shown;
    }
    for (const char* hidden : {"Combo1", "Combo8", "Toggle16", "Option2", "Toggle13", "Label41"}) {
        EXPECT_FALSE(visible(b, hidden)) << hidden;
    }
    EXPECT_TRUE(enabled(b, "command14"));
    EXPECT_EQ(b.toggle("Toggle32").caption_off(), "CSR Disabled");
    EXPECT_EQ(b.toggle("Toggle32").caption_on(), "CSR Enabled");
    EXPECT_TRUE(b.lit("Toggle23"));

    ProgramBench z50;
    z50.confirm("Option5"); // ZQF7350: no phase word, no noise choice
    for (const char* hidden : {"phase_reg_frame", "Option1", "Option3"}) {
        EXPECT_FALSE(visible(z50, hidden)) << hidden;
    }
    EXPECT_FALSE(enabled(z50, "command14"));
}

TEST(MainSetup, DualFamily) {
    ProgramBench b;
    b.confirm("Option6");
    for (const char* shown : {"Frame4", "Frame5", "Label4", "Label6", "currentsetting2", "Toggle15",
                              "Toggle33", "Toggle34", "Toggle24", "Toggle25", "Label31"}) {
        EXPECT_TRUE(visible(b, shown)) << shown;
    }
    for (const char* hidden : {"Frame6", "Frame14", "Label5", "Combo1", "Combo2", "Combo8",
                               "Combo10", "Toggle16", "Toggle31", "Toggle32", "phase_reg_frame"}) {
        EXPECT_FALSE(visible(b, hidden)) << hidden;
    }
    EXPECT_FALSE(enabled(b, "command14"));
    EXPECT_FALSE(enabled(b, "Command4"));
    // The set-up leaves the indicators as designed: off.
    EXPECT_TRUE(b.lit_indicators().empty());
}

TEST(MainRefresh, ReadOutsAfterStartUp) {
    ProgramBench four;
    four.confirm("Option1");
    MainForm& m = four.main();
    EXPECT_EQ(m.get<CaptionControl>("vcofreq").caption(), "1750.00000MHz");
    EXPECT_EQ(m.get<CaptionControl>("ref_freq").caption(), "10000.00000kHz");
    EXPECT_EQ(m.get<CaptionControl>("crystal").caption(), "10.00000MHz");
    EXPECT_EQ(m.get<CaptionControl>("ifvcofreq").caption(), "540.00000MHz");
    EXPECT_EQ(m.get<CaptionControl>("ifref_freq").caption(), "200.00000kHz");
    EXPECT_EQ(m.get<CaptionControl>("currentsetting2").caption(), "5.0000");
    EXPECT_EQ(m.get<CaptionControl>("currentsetting1").caption(), "5.0000");
    EXPECT_EQ(m.get<CaptionControl>("Label5").caption(), "3 State Output");
    EXPECT_TRUE(four.lit("Toggle1")); // rf_pd_polarity 128 from the confirmation

    ProgramBench five;
    five.confirm("Option5");
    EXPECT_EQ(five.main().get<CaptionControl>("currentsetting2").caption(), "0.3125");
    EXPECT_EQ(five.main().get<CaptionControl>("vcofreq").caption(), "5800.00000MHz");

    ProgramBench dual;
    dual.confirm("Option6");
    EXPECT_EQ(dual.main().get<CaptionControl>("currentsetting2").caption(), "4.3750");
    EXPECT_EQ(dual.main().get<CaptionControl>("prescale").caption(), "8/9");
    EXPECT_EQ(dual.main().get<CaptionControl>("Label5").caption(), "Logic Low State");
}

TEST(MainRefresh, CurrentsFollowTheResistorAndUnknownCodesLeaveTheText) {
    ProgramBench b;
    b.confirm("Option6");
    b.state().rset_ohms = 5400.0; // twice the nominal resistor halves the current
    b.main().refresh_registers();
    EXPECT_EQ(b.main().get<CaptionControl>("currentsetting2").caption(), "2.1875");
    b.state().rf_cp_current_dual = 100; // no code
    b.state().rset_ohms = 0.0;          // and no usable resistor for the IF text
    b.main().refresh_registers();
    EXPECT_EQ(b.main().get<CaptionControl>("currentsetting2").caption(), "2.1875");
    EXPECT_EQ(b.main().get<CaptionControl>("currentsetting1").caption(), "2.5000");
}

TEST(MainRefresh, SwitchRules) {
    ProgramBench b;
    b.confirm("Option6");
    MainForm& m = b.main();
    b.state().rf_pd_polarity = 5; // three-way: neither 0 nor the weight leaves it
    m.refresh_registers();
    EXPECT_TRUE(b.lit("Toggle1"));
    b.state().rf_pd_polarity = 0;
    m.refresh_registers();
    EXPECT_FALSE(b.lit("Toggle1"));

    b.state().xo_disable = 64;
    m.refresh_registers();
    EXPECT_TRUE(b.lit("Toggle10"));
    b.state().xo_disable = 5; // two-way: anything but the weight is off
    m.refresh_registers();
    EXPECT_FALSE(b.lit("Toggle10"));

    b.state().rf_powerdown = 32;
    b.state().cp_gain = 1 << 23;
    m.refresh_registers();
    EXPECT_TRUE(b.lit("Toggle15"));
    EXPECT_TRUE(b.lit("Toggle4"));
    b.state().rf_powerdown = 7;
    m.refresh_registers();
    EXPECT_TRUE(b.lit("Toggle15"));
}

TEST(MainRefresh, MuxoutNamesPerFamily) {
    ProgramBench four;
    four.confirm("Option1");
    four.main().get<ListBox>("Combo8").user_choose(6);
    EXPECT_EQ(four.main().get<CaptionControl>("Label5").caption(), "Dont Care");

    ProgramBench five;
    five.confirm("Option4");
    five.main().get<ListBox>("Combo11").user_choose(5);
    EXPECT_EQ(five.main().get<CaptionControl>("Label5").caption(), "ODLD");
    five.main().get<ListBox>("Combo11").user_choose(10); // no name: left as it was
    EXPECT_EQ(five.main().get<CaptionControl>("Label5").caption(), "ODLD");
}

TEST(MainPanel, HiddenTestView) {
    ProgramBench four;
    four.confirm("Option1");
    four.main().find("Picture1")->user_dblclick();
    EXPECT_TRUE(visible(four, "Combo2"));
    EXPECT_TRUE(visible(four, "Combo3"));

    ProgramBench five;
    five.confirm("Option4");
    five.main().find("Picture1")->user_dblclick();
    EXPECT_TRUE(visible(five, "Combo12"));
    EXPECT_TRUE(visible(five, "Combo13"));
    EXPECT_TRUE(visible(five, "dec_sel_toggle"));
}

} // namespace
} // namespace zqf
