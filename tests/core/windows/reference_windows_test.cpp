#include "core/windows/names/main_controls.h"
#include "planner_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::PlannerBench;
using Names = std::vector<std::string>;

struct Crystal : PlannerBench {
    explicit Crystal(std::string_view device_option = "Option1")
        : PlannerBench(device_option, "Label42", "crystalform") {}
};

// The bench script reference_windows walks both windows on a ZQF7320 and
// traces the words they write; the tests here take what it leaves out.

TEST(ReferenceWindow, LoadNowPlansAgainFromTheNewReference) {
    Crystal c;
    EXPECT_TRUE(c.program.is_blocked(c.main()));
    c.type("Text1", "20");
    c.state().rf_freq = 1750.4e6;
    c.state().chan_step = 100e3;
    c.click("Command3");
    EXPECT_EQ(c.state().pfd_freq, 10e6); // the planner derives the PFD next time
    EXPECT_EQ(c.state().frac_val, 4.0);
    EXPECT_EQ(c.sent, (std::vector<int>{3, 2, 1, 0}));

    // The dual refreshes only, the 32-bit devices do neither.
    Crystal dual("Option6");
    dual.type("Text1", "20");
    dual.click("Command1");
    EXPECT_EQ(dual.main_caption("crystal"), "20.00000MHz");
    EXPECT_TRUE(dual.sent.empty());
    Crystal five("Option4");
    five.type("Text1", "20");
    five.click("Command3");
    EXPECT_EQ(five.main_caption("crystal"), "25.00000MHz");
    EXPECT_TRUE(five.sent.empty());
}

// A fault after the reference is taken: a zero step gives no modulus, and
// nothing is stored, the reference included.
TEST(ReferenceWindow, AFaultAfterTheReferenceIsTakenKeepsTheWindowOpen) {
    Crystal c;
    c.state().chan_step = 0.0;
    c.type("Text1", "12");
    c.click("Command1");
    EXPECT_EQ(c.host.events,
              (Names{"beep", c.warning("Warning. The RF R register must be >= 1. ")}));
    EXPECT_EQ(c.state().refin_freq, 10e6);
    EXPECT_EQ(c.text("Text1"), "");
    EXPECT_TRUE(c.sent.empty());
    EXPECT_TRUE(c.open());
}

// ---- fast-lock timer -------------------------------------------------------------

// The fast-lock window as the ZQF7320's fast-lock switch opens it.
struct FastLock : PlannerBench {
    FastLock() : PlannerBench("Option2", "Toggle32", "fastlockform") {}
};

TEST(FastLockWindow, ShowsTheIntervalAtThePfdAsShown) {
    FastLock f;
    f.type("Text1", "100");
    f.type("Text1", "");
    EXPECT_EQ(f.text("Text1"), "1");
    EXPECT_EQ(f.text("BWinterval"), "0.1");
    EXPECT_TRUE(f.host.events.empty());

    // Below 1 MHz without a leading zero, and the interval from the two decimals.
    f.state().pfd_freq = 504e3;
    f.type("Text1", "3");
    EXPECT_EQ(f.text("PFD"), ".50");
    EXPECT_EQ(f.text("BWinterval"), "6");
    // A count that is no number, or a PFD box of 0: a beep, the interval stays.
    f.type("Text1", "3x");
    f.state().pfd_freq = 1e3;
    f.type("Text1", "4");
    EXPECT_EQ(f.text("PFD"), ".00");
    EXPECT_EQ(f.text("BWinterval"), "6");
    EXPECT_EQ(f.host.events, (Names{"beep", "beep"}));
}

TEST(FastLockWindow, CountsTheModulusFieldCannotHoldAreRefused) {
    for (const char* count : {"abc", "12.5", "4096", "-1"}) {
        FastLock f;
        f.type("Text1", count);
        f.host.events.clear();
        f.click("Command3");
        EXPECT_EQ(f.host.events, (Names{"beep"})) << count;
        EXPECT_TRUE(f.sent.empty()) << count;
        EXPECT_EQ(f.state().mod_val, 64.0) << count;
        EXPECT_EQ(f.state().load_control, 8388608.0) << count;
        EXPECT_NE(f.program.find("fastlockform"), nullptr) << count;
    }
}

TEST(FastLockWindow, CancelAndTheDropOnTheSharedFrame) {
    FastLock f;
    f.click("Command2");
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.state().load_control, 8388608.0);
    EXPECT_TRUE(f.toggle(main_controls::Toggle32).state());

    testing::ProgramBench dual;
    dual.confirm("Option6");
    dual.main().find(main_controls::Frame13)->user_drop();
    ASSERT_NE(dual.program.find("fastlockform"), nullptr);
    EXPECT_TRUE(dual.program.is_blocked(dual.main()));
}

} // namespace
} // namespace zqf
