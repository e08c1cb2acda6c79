#include "planner_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::PlannerBench;
using Names = std::vector<std::string>;

struct If : PlannerBench {
    explicit If(std::string_view door = "ifvcofreq")
        : PlannerBench("Option6", door, "synthformIF", "option_usb") {}
    std::vector<std::string> counters() {
        return {caption("Label3"), caption("Label4"), caption("Label5"), caption("Label6")};
    }
};

TEST(IfPlanner, OpensModallyFromTheIfReadouts) {
    for (const char* door : {"Label36", "Label37", "ifvcofreq", "ifref_freq"}) {
        If p(door);
        ASSERT_TRUE(p.open()) << door;
        EXPECT_TRUE(p.program.is_blocked(p.main()));
        p.click("Command2");
        EXPECT_FALSE(p.open());
    }
}

// The bench script if_planner walks the worked example (R 50, N 2700, B 337,
// A 4), the writes of each button and one step up; the tests here take what it
// leaves out.

TEST(IfPlanner, LoadExampleThenOneStepUp) {
    If p;
    p.click("Command3");
    EXPECT_EQ(p.state().if_pfd_freq, 200.0);
    EXPECT_EQ(p.main_caption("ifvcofreq"), "540.00000MHz");
    p.click("Command4");
    EXPECT_EQ(p.state().if_n, 2701);
    EXPECT_EQ(p.main_caption("ifref_freq"), "200.00000kHz");
    p.click("Command4");
    p.click("Command5");
    EXPECT_EQ(p.text("Text1"), "540.20000");
    EXPECT_EQ(p.state().if_n, 2701);
    EXPECT_TRUE(p.host.events.empty());
}

TEST(IfPlanner, NearestCounterAndSmallN) {
    If p;
    p.type("Text1", "540.3"); // N = 2701.5: halves go to even
    p.click("Command3");
    EXPECT_EQ(p.state().if_n, 2702);
    EXPECT_EQ(p.state().if_vco_freq, 540.4); // what the counters synthesise
    p.type("Text1", "1");
    p.click("Command3");
    EXPECT_EQ(p.counters(), (Names{"5", "8", "0", "5"}));
    // R = 33.3 would compare at 303.03 kHz, not the 300 kHz N is planned for.
    p.type("Text2", "300");
    p.click("Command3");
    EXPECT_EQ(p.state().if_r, 50);
    EXPECT_EQ(p.host.events.back(),
              p.warning("The IF PFD 300 kHz does not divide the reference 10 MHz into a whole R "
                        "(33.3333333333333), so the chip would compare at another frequency; the "
                        "nearest IF PFDs that do are 303.030303030303 kHz (R 33) and "
                        "294.117647058824 kHz (R 34)."));
}

TEST(IfPlanner, UnusableEntriesWarnClearAndFocus) {
    struct Case {
        const char* button;
        const char* vco;
        const char* reference;
        const char* message;
        const char* cleared;
    };
    const Case cases[] = {
        {"Command3", "fast", "200", "Invalid entry in VCO Frequency.", "Text1"},
        {"Command4", "", "200", "Invalid entry in VCO Frequency.", "Text1"},
        {"Command1", "540", "wide", "Invalid entry in reference frequency.", "Text2"},
        {"Command3", "540", "0", "Invalid entry in reference frequency.", "Text2"},
        {"Command5", "540", "0", "Invalid entry in reference frequency.", "Text2"},
        // R = 10 MHz / 1 mHz does not fit 32 bits.
        {"Command3", "540", "0.000001", "Invalid entry in reference frequency.", "Text2"},
    };
    for (const Case& c : cases) {
        If p;
        p.type("Text1", c.vco);
        p.type("Text2", c.reference);
        p.click(c.button);
        EXPECT_EQ(p.host.events, (Names{"beep", p.warning(c.message)})) << c.button << c.vco;
        EXPECT_EQ(p.text(c.cleared), "") << c.button;
        EXPECT_EQ(p.planner().focus(), c.cleared) << c.button;
        EXPECT_TRUE(p.sent.empty()) << c.button;
        EXPECT_EQ(p.state().if_n, 400) << c.button; // the first-start value
    }
}

} // namespace
} // namespace zqf
