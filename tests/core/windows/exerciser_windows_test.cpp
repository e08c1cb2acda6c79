// The exercisers' windows as the main window opens them. The bench scripts
// sweep_*, hop_*, spur_opt and exerciser_refusals run their timers and trace
// the words; here are the doors, modality and the close boxes.
#include "core/windows/names/main_controls.h"
#include "core/windows/names/spur_opt_controls.h"
#include "core/windows/names/sweep_controls.h"
#include "planner_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

TEST(ExerciserWindows, EachDoorOpensItsWindowModally) {
    struct Door {
        const char* device_option;
        const char* control;
        const char* window;
        const char* first_box; // Text1, or the phase sweep's fvco_box
    };
    const Door doors[] = {
        {"Option1", "Command9", "sweepform", "1750"},
        {"Option4", "Command7", "sweepform", "1750"},
        {"Option5", "mnufreqsweep", "sweepform", "1750"},
        {"Option1", "Command11", "locktime", "1850"},
        {"Option2", "mnufreqhop", "locktime", "1850"},
        {"Option1", "Command5", "locktime", "1750"},
        {"Option4", "command14", "spur_opt", "5800"},
    };
    for (const Door& door : doors) {
        ProgramBench bench;
        bench.confirm(door.device_option);
        bench.click("Main", door.control);
        Form* window = bench.program.find(door.window);
        ASSERT_NE(window, nullptr) << door.control;
        EXPECT_TRUE(bench.program.is_shown(*window)) << door.control;
        EXPECT_TRUE(bench.program.is_blocked(bench.main())) << door.control;
        EXPECT_FALSE(window->get<Timer>("Timer1").timer_enabled()) << door.control;
        if (std::string_view(door.window) != "spur_opt") {
            EXPECT_EQ(window->get<TextBox>("Text1").text(), door.first_box) << door.control;
        } else {
            EXPECT_EQ(window->get<TextBox>("fvco_box").text(), door.first_box) << door.control;
        }
    }
}

// The phase sweep's button is enabled on the ZQF7340 alone.
TEST(ExerciserWindows, OnlyTheZqf7340SweepsThePhase) {
    for (const char* option : {"Option1", "Option2", "Option3", "Option5", "Option6"}) {
        ProgramBench bench;
        bench.confirm(option);
        EXPECT_FALSE(bench.main().get(main_controls::command14).enabled()) << option;
    }
}

// The close box of the sweep and the hopper cancels; the phase sweep's leaves
// as Exit does, so the panel shows the phase the chip was given last.
TEST(ExerciserWindows, CloseBoxes) {
    ProgramBench sweep;
    sweep.confirm("Option1");
    sweep.click("Main", main_controls::Command9);
    sweep.click("sweepform", sweep_controls::Command3);
    Timer& timer = sweep.form("sweepform").get(sweep_controls::Timer1);
    EXPECT_TRUE(timer.timer_enabled());
    sweep.form("sweepform").close_box();
    EXPECT_EQ(sweep.program.find("sweepform"), nullptr);
    EXPECT_FALSE(sweep.program.is_blocked(sweep.main()));

    ProgramBench phase;
    phase.confirm("Option4");
    phase.click("Main", main_controls::command14);
    phase.form("spur_opt").get(spur_opt_controls::phase_value_box).user_type("7");
    phase.click("spur_opt", spur_opt_controls::Command1);
    phase.record_sends();
    phase.form("spur_opt").close_box();
    EXPECT_EQ(phase.program.find("spur_opt"), nullptr);
    EXPECT_EQ(phase.main().get(main_controls::phase_reg_textbox).text(), "7");
    EXPECT_EQ(phase.state().phase_value, 7.0);
    EXPECT_TRUE(phase.sent.empty());
}

} // namespace
} // namespace zqf
