#include "planner_fixture.h"

#include "core/text/convert.h"
#include "core/text/number_text.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/synth_controls.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::PlannerBench;
using testing::ProgramBench;
using Names = std::vector<std::string>;
using Order = std::vector<int>;

// A ZQF7310 planner set to the worked example: reference 10 MHz, R 1, step
// 100 kHz, 1750.4 MHz.
struct Rf : PlannerBench {
    explicit Rf(std::string_view device_option = "Option1", std::string_view door = "synthmenu")
        : PlannerBench(device_option, door, "synthform") {}
    void example(std::string_view rf_mhz = "1750.4") {
        type("Text1", rf_mhz);
        type("Text4", "10");
        type("Text5", "1");
        type("Text3", "100");
    }
    // A read-out that only a refresh of the main window puts right.
    void plant_stale_readout() { main().get(main_controls::Toggle10).set_state(true); }
    bool refreshed() { return !main().get(main_controls::Toggle10).state(); }
};

TEST(RfPlanner, OpensModallyFromEveryDoor) {
    for (const char* door :
         {"synthmenu", "Label1", "Label2", "Label11", "Label12", "Label29", "Label38", "vcofreq",
          "ref_freq", "crystal", "crystalIF", "fraclabel", "modulus", "Toggle13"}) {
        Rf rf("Option1", door);
        ASSERT_TRUE(rf.open()) << door;
        EXPECT_TRUE(rf.program.is_blocked(rf.main())) << door;
        rf.click("Command2");
        EXPECT_FALSE(rf.open()) << door;
        EXPECT_FALSE(rf.program.is_blocked(rf.main())) << door;
        // The doubler switch only opened the planner: it shows the doubler as stored.
        EXPECT_FALSE(rf.toggle(main_controls::Toggle13).state()) << door;
    }
}

// The bench scripts rf_planner, rf_planner_zqf7350 and channel_stepping walk
// the worked examples on the USB adapter and trace every word written; the
// tests here take what those scripts leave out.

TEST(RfPlanner, LoadShowsThePlanAndSetsTheWindowUpPerDevice) {
    Rf four;
    EXPECT_EQ(four.text("Text2"), "10000.000000");
    EXPECT_EQ(four.text("Text3"), "200.000000");
    EXPECT_EQ(four.text("Text4"), "10.000000");
    EXPECT_EQ(four.text("Text5"), "1");

    Rf fixed("Option5");
    EXPECT_FALSE(fixed.planner().find("Command4")->visible());
    EXPECT_FALSE(fixed.planner().find("Command5")->visible());
    EXPECT_EQ(fixed.box("Text3").background(), (std::array<int, 3>{192, 192, 255}));

    // The doubler switch follows the 32-bit devices' field, set last.
    ProgramBench b;
    b.confirm("Option4");
    b.state().doubler_field = 1 << 19;
    b.state().rdiv2_field = 1 << 21;
    b.main().find(main_controls::synthmenu)->user_click();
    EXPECT_FALSE(b.control<ToggleSwitch>("synthform", synth_controls::Toggle1).state());
    EXPECT_TRUE(b.control<ToggleSwitch>("synthform", synth_controls::Toggle2).state());
}

TEST(RfPlanner, NormalModeWorkedExample) {
    Rf rf;
    rf.example();
    rf.plant_stale_readout();
    rf.click("Command3");
    EXPECT_EQ(rf.text("Text1"), "1750.400000");
    EXPECT_EQ(rf.caption("Label29"), "Doubler Disabled");
    EXPECT_EQ(rf.caption("Label22"), "8");
    EXPECT_EQ(rf.caption("Label17"), "1");
    EXPECT_EQ(rf.main_caption("ref_freq"), "10000.00000kHz");
    EXPECT_EQ(rf.main_caption("crystal"), "10.00000MHz");
    EXPECT_EQ(rf.main_caption("crystalIF"), "10.00000MHz");
    EXPECT_TRUE(rf.refreshed());
}

TEST(RfPlanner, TheDualWritesR3AfterR0) {
    const std::pair<const char*, Order> cases[] = {{"Command3", {2, 1, 0, 3}},
                                                   {"Command8", {2, 1, 0, 3, 1, 0}}};
    for (const auto& [button, order] : cases) {
        Rf dual("Option6");
        dual.example();
        dual.click(button);
        EXPECT_EQ(dual.sent, order) << button;
    }
}

struct LimitCase {
    const char* device_option;
    int32_t prescaler;
    const char* rf_mhz; // at a 10 MHz PFD, INT is a tenth of it
    const char* reference_mhz;
    const char* message; // nullptr: passes
};

TEST(RfPlanner, LimitsAtTheirBoundaries) {
    const char* pfd = "Invalid entry in PFD Comparison Frequency. (Fmax = 32MHz)";
    const LimitCase cases[] = {
        // Each family's boundaries and messages are tested on their own
        // (Limits.*); here the window's own division has to land on both sides
        // of one, and the device and prescaler have to reach the check.
        {"Option1", 8, "3200", "32", nullptr},
        {"Option1", 8, "3200", "32.000001", pfd},
        {"Option1", 8, "880", "10", nullptr},
        {"Option1", 8, "879.9", "10", "Minimum N value allowed when P=8 is 88."},
        {"Option2", 4, "310", "10", nullptr},
        {"Option4", 8, "750", "10", nullptr},
        {"Option5", 8, "750", "40", pfd},
    };
    for (const LimitCase& c : cases) {
        Rf rf(c.device_option);
        rf.state().prescaler_p = c.prescaler;
        rf.example(c.rf_mhz);
        rf.type("Text4", c.reference_mhz);
        rf.plant_stale_readout();
        const std::string vcofreq_before = rf.main_caption("vcofreq");
        rf.click("Command3");
        const std::string label = std::string(c.device_option) + " " + c.rf_mhz;
        if (c.message == nullptr) {
            EXPECT_TRUE(rf.host.events.empty()) << label;
            EXPECT_FALSE(rf.sent.empty()) << label;
            continue;
        }
        EXPECT_EQ(rf.host.events, (Names{"beep", rf.warning(c.message)})) << label;
        EXPECT_EQ(rf.planner().focus(), c.message == pfd ? "Text4" : "") << label;
        // Stored and shown, but neither refreshed nor written.
        EXPECT_TRUE(rf.sent.empty()) << label;
        EXPECT_FALSE(rf.refreshed()) << label;
        EXPECT_NE(rf.main_caption("vcofreq"), vcofreq_before) << label;
        EXPECT_EQ(rf.caption("Label25"), general_form(rf.state().int_val)) << label;
    }
}

TEST(RfPlanner, LcdModeAfterALimitWarningWritesTheReducedPlan) {
    Rf rf;
    rf.example("870.4");
    rf.click("Command8");
    EXPECT_EQ(rf.host.events,
              (Names{"beep", rf.warning("Minimum N value allowed when P=8 is 88.")}));
    EXPECT_EQ(rf.state().frac_val, 1.0);
    EXPECT_EQ(rf.state().mod_val, 25.0);
    EXPECT_EQ(rf.sent, (Order{3, 2, 1, 0}));
    // Also after an entry the update refused: the stored plan is reduced and written.
    rf.forget();
    rf.type("Text1", "?");
    rf.click("Command8");
    EXPECT_EQ(rf.host.events, (Names{"beep"}));
    EXPECT_EQ(rf.sent, (Order{3, 2, 1, 0}));
}

// An update refused for an entry it cannot use, or for a plan that does not
// fit or leaves the step's grid, stores nothing: the state and the main
// panel's read-outs are as before the click.
TEST(RfPlanner, RefusedUpdatesStoreNothing) {
    struct Case {
        const char* box;
        const char* text;
        const char* message; // nothing: a plain beep
    };
    const Case cases[] = {
        {"Text3", "fast", nullptr}, // read after the RF entry was taken
        {"Text5", "0", nullptr},    // R = 0: the PFD division fails
        {"Text5", "40000", nullptr},
        {"Text1", "6000",
         "INT = 600 does not fit its 9-bit field, which takes a whole number "
         "from 0 to 511. Enter a lower RF output frequency, or raise the PFD "
         "with a smaller R or the doubler."},
        {"Text3", "150",
         "The channel step 150 kHz does not divide the PFD 10 MHz into a whole "
         "MOD (66.6666666666667), so the plan would leave the step's grid; the "
         "nearest steps that do are 151.515151515152 kHz (MOD 66) and "
         "149.253731343284 kHz (MOD 67)."},
    };
    for (const Case& c : cases) {
        Rf rf;
        rf.example();
        const SharedState before = rf.state();
        const std::string vcofreq = rf.main_caption("vcofreq");
        rf.type(c.box, c.text);
        rf.click("Command3");
        const Names expected =
            c.message == nullptr ? Names{"beep"} : Names{"beep", rf.warning(c.message)};
        EXPECT_EQ(rf.host.events, expected) << c.text;
        EXPECT_TRUE(rf.state() == before) << c.text;
        EXPECT_EQ(rf.main_caption("vcofreq"), vcofreq) << c.text;
        EXPECT_TRUE(rf.sent.empty()) << c.text;
    }
}

TEST(RfPlanner, ReferenceSwitchesSetThePfdAndWriteR2Again) {
    Rf rf;
    rf.example();
    rf.type("Text5", "2"); // doubled and divided by 2: the reference again
    rf.click("Toggle1");
    EXPECT_EQ(rf.state().doubler_field_5, 1 << 20);
    EXPECT_EQ(rf.text("Text2"), "10000");
    rf.forget();
    rf.type("Text5", "1");
    rf.click("Command3");
    EXPECT_EQ(rf.state().pfd_freq, 20e6);
    EXPECT_EQ(rf.text("Text2"), "20000");

    // After a limit warning R2 is written all the same; after a refused entry not.
    rf.forget();
    rf.type("Text1", "800");
    rf.click("Toggle1");
    EXPECT_EQ(rf.sent, (Order{2}));
    rf.forget();
    rf.type("Text1", "?");
    rf.click("Toggle1");
    EXPECT_EQ(rf.host.events, (Names{"beep"}));
    EXPECT_TRUE(rf.sent.empty());

    Rf five("Option4");
    five.example();
    five.click("Toggle1");
    five.click("Toggle2");
    EXPECT_EQ(five.state().pfd_freq, 10e6);
}

TEST(RfPlanner, LockTimeKeepsTheTypedPfdAndDerivesR) {
    Rf rf;
    rf.example();
    rf.type("Text2", "5000");
    rf.plant_stale_readout();
    rf.click("Command6");
    EXPECT_EQ(rf.state().pfd_freq, 5e6);
    EXPECT_EQ(rf.state().r_count, 2);
    EXPECT_EQ(rf.state().int_val, 350.0);
    EXPECT_EQ(rf.state().mod_val, 50.0);
    EXPECT_EQ(rf.state().frac_val, 4.0);
    EXPECT_EQ(rf.caption("Label27"), "350.08");
    EXPECT_EQ(rf.sent, (Order{0}));
    EXPECT_FALSE(rf.refreshed());

    // A PFD above twice the reference gives R = 0: the warning, and nothing
    // is planned or written.
    rf.forget();
    rf.type("Text2", "25000");
    rf.click("Command6");
    EXPECT_EQ(rf.state().r_count, 2);
    EXPECT_EQ(rf.state().int_val, 350.0);
    EXPECT_TRUE(rf.sent.empty());

    // Now the emptied PFD box is no number.
    rf.forget();
    rf.click("Command6");
    EXPECT_EQ(rf.host.events, (Names{"beep"}));
    EXPECT_TRUE(rf.sent.empty());
}

// ---- channel stepping ----------------------------------------------------------

TEST(ChannelStepping, FixedModulusMovesOneUnitOfTheFraction) {
    Rf rf("Option5");
    rf.example("1750.2");
    rf.type("Text4", "10");
    rf.click("Command3");
    rf.click("Command3");
    const double before = rf.state().rf_freq;
    rf.click("Command11");
    EXPECT_EQ(rf.caption("Label23"), "671090");
    EXPECT_NEAR(rf.state().rf_freq - before, 0.298023223876953, 1e-6);
    rf.click("Command10");
    rf.click("Command10");
    EXPECT_EQ(rf.caption("Label23"), "671088");
}

TEST(ChannelStepping, AnUnusableEntryBeepsOnceAndStoresNothing) {
    for (const char* button : {"Command11", "Command10", "Command4", "Command5"}) {
        Rf rf;
        rf.example();
        rf.type("Text3", "one");
        rf.click(button);
        EXPECT_EQ(rf.host.events, (Names{"beep"})) << button;
        EXPECT_EQ(rf.state().rf_freq, 1750e6) << button;
        EXPECT_TRUE(rf.sent.empty()) << button;
    }
}

} // namespace
} // namespace zqf
