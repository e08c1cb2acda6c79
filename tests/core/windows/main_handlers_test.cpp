#include "program_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;
using Names = std::vector<std::string>;
using Order = std::vector<int>;

// Each control's indicators, on a panel whose indicators start off.
struct LightCase {
    const char* device_option;
    const char* control;
    int choose; // -1: a click
    Names lit;
};

TEST(MainPanel, IndicatorsEachControlLights) {
    const LightCase cases[] = {
        {"Option1", "Combo1", 3, {"Toggle21", "Toggle30"}},
        {"Option1", "Combo4", 1, {"Toggle21", "Toggle30", "Toggle26"}},
        {"Option1", "Combo8", 2, {"Toggle20", "Toggle30"}},
        {"Option6", "Combo5", 1, {"Toggle23", "Toggle29", "Toggle26"}},
        {"Option6", "Combo9", 13, {"Toggle22", "Toggle30", "Toggle29", "Toggle26"}},
        {"Option4", "Combo11", 6, {"Toggle19", "Toggle30"}},
        {"Option4", "Combo10", 2, {"Toggle23", "Toggle30"}},
        {"Option6", "Toggle1", -1, {"Toggle21", "Toggle30", "Toggle26"}},
        {"Option4", "Toggle1", -1, {"Toggle22", "Toggle30"}},
        {"Option1", "Toggle9", -1, {"Toggle21"}},
        {"Option6", "Toggle4", -1, {"Toggle23", "Toggle29", "Toggle26"}},
        {"Option6", "Toggle28", -1, {"Toggle25", "Toggle29", "Toggle26"}},
        {"Option6", "Toggle33", -1, {"Toggle22", "Toggle30", "Toggle29", "Toggle26"}},
        {"Option4", "Toggle31", -1, {"Toggle22", "Toggle30"}},
        {"Option4", "dec_sel_toggle", -1, {}},
        {"Option4", "Toggle36", -1, {"Toggle20", "Toggle30"}},
        {"Option4", "Option2", -1, {}},
        {"Option1", "Option3", -1, {"Toggle22"}},
        {"Option6", "Option2", -1, {"Toggle21", "Toggle30", "Toggle26"}},
    };
    for (const LightCase& c : cases) {
        ProgramBench b;
        b.confirm(c.device_option);
        b.switch_all_indicators_off();
        Control& control = *b.main().find(c.control);
        if (c.choose >= 0) {
            control.user_choose(c.choose);
        } else {
            control.user_click();
        }
        EXPECT_EQ(b.lit_indicators(), c.lit) << c.device_option << " " << c.control;
    }
}

TEST(MainPanel, ListsStoreTheirFields) {
    ProgramBench b;
    b.confirm("Option1");
    MainForm& m = b.main();
    // The bench script panel_four_register writes R1 with the 4/5 prescaler.
    m.get<ListBox>("Combo4").user_choose(0);
    EXPECT_EQ(m.get<CaptionControl>("prescale").caption(), "4/5"); // follows on every family
    m.get<ListBox>("Combo1").user_choose(15);
    EXPECT_EQ(b.state().resync_value, 15);
    EXPECT_EQ(b.state().load_control, 8388608.0);
    // A list set to no entry stores nothing, but lights all the same.
    b.switch_all_indicators_off();
    m.get<ListBox>("Combo8").set_index(-1);
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle20", "Toggle30"}));

    ProgramBench dual;
    dual.confirm("Option6");
    dual.main().get<ListBox>("Combo5").user_choose(1); // 16/17
    EXPECT_EQ(dual.state().if_prescaler, 16);
    EXPECT_EQ(dual.state().if_prescaler_field, 1 << 21);
    EXPECT_EQ(dual.state().if_r, 50);
    EXPECT_EQ(dual.state().if_n, 2700);
    EXPECT_EQ(dual.state().if_b, 168);
    EXPECT_EQ(dual.state().if_a, 12);
    dual.main().get<ListBox>("Combo7").user_choose(13);
    EXPECT_EQ(dual.state().muxout_code, 13 * 128.0);
    EXPECT_EQ(dual.main().get<CaptionControl>("Label5").caption(), "RF/IF Digital Lock Detect");
    dual.state().if_pfd_freq = 0; // no usable IF plan: a beep, the counters stay
    dual.host.events.clear();
    dual.main().get<ListBox>("Combo5").user_choose(0);
    EXPECT_EQ(dual.host.events, (Names{"beep"}));
    EXPECT_EQ(dual.state().if_b, 168);
}

// The bench scripts panel_five_register and panel_dual type the phase word and
// the clock divider and click the weighted switches.

TEST(MainPanel, IfDoublerKeepsTheComparisonFrequency) {
    ProgramBench b; // panel_dual takes R 50 there and back
    b.confirm("Option6");
    b.state().if_r = 51;
    b.toggle("Toggle14").user_click();
    EXPECT_EQ(b.state().if_r, 102);
    EXPECT_EQ(b.state().if_ref_doubler, 1 << 18);
    b.toggle("Toggle14").user_click();
    EXPECT_EQ(b.state().if_r, 51);
    EXPECT_EQ(b.state().if_ref_doubler, 0);
    ProgramBench huge;
    huge.confirm("Option6");
    huge.state().if_r = 2000000000; // doubling would overflow: refused with a beep
    huge.toggle("Toggle14").user_click();
    EXPECT_EQ(huge.state().if_r, 2000000000);
    EXPECT_FALSE(huge.lit("Toggle14"));
    EXPECT_EQ(huge.host.events.back(), "beep");
}

TEST(MainPanel, FastLockSwitch) {
    ProgramBench b;
    b.confirm("Option2"); // ZQF7320
    b.switch_all_indicators_off();
    b.toggle("Toggle32").user_click();
    EXPECT_EQ(b.state().load_control, 8388608.0);
    // The rest waits for the fast-lock window, opened modally over the panel.
    ASSERT_NE(b.program.find("fastlockform"), nullptr);
    EXPECT_TRUE(b.program.is_blocked(b.main()));
    EXPECT_TRUE(b.lit_indicators().empty());
    b.control<CaptionControl>("fastlockform", "Command2").user_click();
    EXPECT_EQ(b.main().get<ListBox>("Combo8").index(), 6);
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle20", "Toggle30"}));
    b.toggle("Toggle32").user_click();
    EXPECT_EQ(b.state().load_control, 0.0);

    ProgramBench five;
    five.confirm("Option4");
    five.switch_all_indicators_off();
    five.toggle("Toggle32").user_click();
    EXPECT_EQ(five.state().fastlock_5r, 1 << 28);
    EXPECT_EQ(five.lit_indicators(), (Names{"Toggle21", "Toggle30"}));
}

// ---- update indicators and their group writes --------------------------------

TEST(UpdateIndicators, RegisterIndicatorWritesAndSyncsTheGroups) {
    ProgramBench b;
    b.confirm("Option6");
    b.switch_all_indicators_off();
    for (const char* name : {"Toggle22", "Toggle30", "Toggle29", "Toggle26"}) {
        b.toggle(name).set_state(true);
    }
    b.record_sends();
    b.toggle("Toggle22").user_click(); // reads off: R3 is written all the same
    EXPECT_EQ(b.sent, (Order{3}));
    EXPECT_TRUE(b.lit_indicators().empty());

    b.toggle("Toggle20").set_state(true);
    b.toggle("Toggle30").set_state(true);
    b.toggle("Toggle26").set_state(true);
    b.toggle("Toggle19").user_click(); // on now; R1 still waits
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle20", "Toggle30", "Toggle26"}));
}

TEST(UpdateIndicators, R6IndicatorReadingOnWritesNothing) {
    ProgramBench b;
    b.confirm("Option6");
    b.record_sends();
    b.toggle("Toggle25").user_click(); // was off: reads on
    EXPECT_TRUE(b.sent.empty());
    EXPECT_FALSE(b.lit("Toggle25"));
    b.toggle("Toggle25").set_state(true);
    b.toggle("Toggle25").user_click(); // reads off: writes R6
    EXPECT_EQ(b.sent, (Order{6}));
}

TEST(UpdateIndicators, GroupWriteOrders) {
    struct Case {
        const char* device_option;
        const char* indicator;
        Order sent;
    };
    const Case cases[] = {
        {"Option6", "Toggle30", {0, 1, 2, 3}},
        {"Option1", "Toggle30", {3, 2, 1, 0}},
        {"Option4", "Toggle30", {4, 3, 2, 1, 0}},
        // The bench script panel_dual traces the dual's IF and all-register groups.
        {"Option2", "Toggle26", {3, 2, 1, 0}},
        {"Option5", "Toggle26", {}},
        {"Option1", "Command8", {3, 2, 1, 0}},
        // A switch the four-register chip has no bit for sends every register.
        {"Option1", "Toggle10", {3, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        ProgramBench b;
        b.confirm(c.device_option);
        b.record_sends();
        b.main().find(c.indicator)->user_click();
        // ParallelLink.BoardLatchesTheAssembledWordForEveryRegister checks the words.
        EXPECT_EQ(b.sent, c.sent) << c.device_option << " " << c.indicator;
    }
}

TEST(UpdateIndicators, GroupClicksSwitchMembersOff) {
    ProgramBench five;
    five.confirm("Option4");
    five.toggle("Toggle30").set_state(false); // reads on after the click: only itself goes off
    five.toggle("Toggle30").user_click();
    EXPECT_EQ(five.lit_indicators(),
              (Names{"Toggle19", "Toggle20", "Toggle21", "Toggle22", "Toggle23"}));
    five.toggle("Toggle30").set_state(true);
    five.toggle("Toggle30").user_click(); // reads off: its members, and R4 here, go off
    EXPECT_TRUE(five.lit_indicators().empty());

    ProgramBench dual;
    dual.confirm("Option6");
    for (const char* name : {"Toggle24", "Toggle29", "Toggle26", "Toggle30"}) {
        dual.toggle(name).set_state(true);
    }
    dual.toggle("Toggle29").user_click(); // reads off
    EXPECT_TRUE(dual.lit_indicators().empty());
}

// ---- noise and spur modes ----------------------------------------------------

TEST(NoiseModes, PatternsPerFamily) {
    ProgramBench b;
    b.confirm("Option6");
    MainForm& m = b.main();
    m.get<OptionButton>("Option2").user_click();
    EXPECT_EQ(b.state().ns_bits_dual, 64);
    EXPECT_EQ(b.state().ns_bits_4r, 896); // panel_four_register checks the modes' colours
    m.get<OptionButton>("Option3").user_click();
    EXPECT_EQ(b.state().ns_bits_dual, 34880);
    EXPECT_EQ(b.state().ns_bits_5r, 0);

    ProgramBench five;
    five.confirm("Option4");
    five.main().get<OptionButton>("Option1").user_click();
    EXPECT_EQ(five.state().ns_bits_5r, (1 << 30) + (1 << 29));
    five.main().get<OptionButton>("Option2").user_click(); // leaves the 5-register bits
    EXPECT_EQ(five.state().ns_bits_5r, (1 << 30) + (1 << 29));
}

TEST(NoiseModes, TheFirstSpurModeOfTheRunIsTheMainWindowsOwn) {
    // The main window selects "Lowest Spur Mode" while it loads, before a
    // device is confirmed: that is the first of the run, and it lights nothing.
    ProgramBench b;
    b.confirm("Option6");
    EXPECT_EQ(b.state().first_option1_done, 1);
    EXPECT_TRUE(b.lit_indicators().empty());
    b.main().get<OptionButton>("Option3").user_click();
    b.switch_all_indicators_off();
    b.main().get<OptionButton>("Option1").user_click();
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle21", "Toggle30"}));

    // With the flag still clear, the dual family lights all three groups.
    ProgramBench fresh;
    fresh.confirm("Option6");
    fresh.state().first_option1_done = 0;
    fresh.main().get<OptionButton>("Option1").user_click();
    EXPECT_EQ(fresh.lit_indicators(), (Names{"Toggle30", "Toggle29", "Toggle26"}));
    EXPECT_EQ(fresh.state().first_option1_done, 1);
}

TEST(NoiseModes, RefreshFollowsTheRfTestMode) {
    ProgramBench b;
    b.confirm("Option6");
    b.state().test_mode = (1 << 15) + (1 << 13) + (1 << 12) + (1 << 11); // RF test code 23
    b.state().if_test_mode = 0;
    b.main().refresh_registers();
    EXPECT_TRUE(b.main().get<OptionButton>("Option2").value());
    EXPECT_EQ(b.state().ns_bits_dual, 64);       // its handler ran
    b.state().test_mode = (1 << 15) + (1 << 11); // code 17
    b.main().refresh_registers();
    EXPECT_TRUE(b.main().get<OptionButton>("Option3").value());
    b.state().if_test_mode = 2048;
    b.state().test_mode = (1 << 15) + (1 << 13) + (1 << 12) + (1 << 11);
    b.main().refresh_registers();
    EXPECT_TRUE(b.main().get<OptionButton>("Option3").value()); // left as it was
}

// The bench scripts panel_* check the pairs after their writes.
TEST(DisplayPairs, ShowTheLastWordWrittenNotTheFields) {
    ProgramBench b;
    b.confirm("Option4");
    b.main().find("Toggle22")->user_click();
    b.state().int_val = 176; // the pair shows the word as written, not the field
    EXPECT_EQ(b.main().get<CaptionControl>("Label21").caption(), "");
}

} // namespace
} // namespace zqf
