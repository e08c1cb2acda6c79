#include "core/planning/grid_note.h"
#include "core/windows/program_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

// The RF planner of a ZQF7310 at PFD 10 MHz: the note after a Normal-mode update.
std::string note_after(ProgramBench& b, const char* step_khz, const char* rf_mhz) {
    b.click("Main", "synthmenu");
    Form& planner = b.form("synthform");
    planner.get<TextBox>("Text3").user_type(step_khz);
    planner.get<TextBox>("Text1").user_type(rf_mhz);
    b.click("synthform", "Command3");
    return planner.get<CaptionControl>("grid_note").caption();
}

TEST(GridNote, ThePlannerSaysWhatItWroteOffTheGrid) {
    ProgramBench b;
    b.confirm("Option1");
    // INT 245, FRAC floor(100 kHz / 200 kHz) = 0: 2450.0 MHz goes out.
    EXPECT_EQ(note_after(b, "200", "2450.1"),
              "2450.0 MHz written, 100 kHz below the wanted 2450.1 MHz (200 kHz channel grid)");
    EXPECT_EQ(b.board.latched(0), 0x3D4000U); // INT 245 in bits 22-14, FRAC 0
    // On the grid, nothing to say; off it, as many decimals as the wanted one needs.
    EXPECT_EQ(note_after(b, "200", "2450.2"), "");
    EXPECT_EQ(note_after(b, "12.5", "1750.01"),
              "1750.00 MHz written, 10 kHz below the wanted 1750.01 MHz (12.5 kHz channel grid)");
}

TEST(GridNote, AboveBelowAndTheSameFrequency) {
    EXPECT_EQ(grid_note(1750.2e6, 1750.2e6 + 0.107, 0.298023223876953),
              "1750.200000107 MHz written, 0.107 Hz above the wanted 1750.200000000 MHz "
              "(0.298 Hz channel grid)");
    EXPECT_EQ(grid_note(1750.2e6, 1750.2e6 + 0.0004, 1e5), "");
}

} // namespace
} // namespace zqf
