#include "program_fixture.h"

#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/status_line.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

TEST(StatusLine, TheLinkSaysWhetherWordsReachABoard) {
    struct Case {
        const char* link_option;
        int16_t claim;
        int16_t firmware;
        const char* text;
        StatusTone tone;
    };
    const Case cases[] = {
        {"", 1, 0, "no link: words are not sent", StatusTone::warning},
        {"option_par", 1, 0, "parallel port (virtual board)", StatusTone::plain},
        {"option_par", 0, 0, "parallel port not claimed: words do not reach the board",
         StatusTone::warning},
        {"option_usb", 1, 0, "USB adapter ready", StatusTone::plain},
        {"option_usb", 1, -1, "USB adapter not detected: words do not reach the board",
         StatusTone::warning},
    };
    for (const Case& c : cases) {
        ProgramBench b;
        b.board.set_claim_result(c.claim);
        b.board.set_firmware_result(c.firmware);
        b.confirm("Option1", c.link_option);
        const StatusPart link = status_line(b.program, 0).link;
        EXPECT_EQ(link.text, c.text);
        EXPECT_EQ(link.tone, c.tone) << c.text;
    }
}

TEST(StatusLine, TheChipPartFollowsTheWordsDeliveredNotThePanel) {
    ProgramBench b;
    b.confirm("Option1");
    EXPECT_EQ(status_line(b.program, 0).chip.text, "chip: RF not known yet");
    b.click("Main", main_controls::Command8); // R3, R2, R1, R0
    StatusPart chip = status_line(b.program, 0).chip;
    EXPECT_EQ(chip.text, "chip: RF 1750.00000 MHz");
    EXPECT_EQ(chip.tone, StatusTone::plain);
    b.click("Main", main_controls::Toggle1); // phase-detector polarity: R2 waits for its indicator
    chip = status_line(b.program, 0).chip;
    EXPECT_EQ(chip.text, "chip: RF 1750.00000 MHz - 1 register stale");
    EXPECT_EQ(chip.tone, StatusTone::warning);
    // A hop moves the chip, not the panel's read-out.
    b.click("Main", main_controls::Command11);
    b.program.find("locktime")->get(lock_time_controls::Timer1).fire();
    EXPECT_EQ(status_line(b.program, 0).chip.text,
              "chip: RF 1850.00000 MHz (panel reads 1750.00000 MHz) - 1 register stale");

    ProgramBench dual;
    dual.confirm("Option6");
    dual.click("Main", main_controls::Toggle26); // every register
    EXPECT_EQ(status_line(dual.program, 0).chip.text, "chip: RF 1750.00000 MHz, IF 540.00000 MHz");
}

TEST(StatusLine, ARefusalOrAFailureShowsForAFewSeconds) {
    ProgramBench b;
    b.board.set_claim_result(0);
    b.confirm("Option1");
    EXPECT_EQ(status_line(b.program, 0).notice.text, "");
    b.click("Main", main_controls::Command8);
    const StatusPart notice = status_line(b.program, notice_ms - 1).notice;
    EXPECT_EQ(notice.text, "R0 failed: the parallel port was never claimed");
    EXPECT_EQ(notice.tone, StatusTone::fault);
    EXPECT_EQ(status_line(b.program, notice_ms).notice.text, "");

    // A word refused before it reaches the link is newer than the failure.
    b.state().int_val = 1e6;
    b.program.link().send(0);
    EXPECT_EQ(status_line(b.program, 0).notice.text, b.program.last_refusal().reason);
    EXPECT_NE(b.program.last_refusal().reason, "");
}

} // namespace
} // namespace zqf
