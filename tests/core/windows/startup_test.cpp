#include "program_fixture.h"

#include "core/settings/list_input.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

std::string comms_file(ProgramBench& b) {
    return read_file((b.dir / "comms_option.txt").string()).value_or("<missing>");
}

// The bench scripts first_start, remembered_*, device_*, os_unknown,
// claim_failed and adapter_absent walk the start-up of each device and each
// failure row; the tests here take what they leave out.

TEST(StartWindow, LinkFileReadInListInputManner) {
    struct Row {
        const char* content; // nullptr: no file
        bool par;
        bool usb;
        const char* comm_link;
    };
    const Row rows[] = {
        {nullptr, false, false, ""},
        {"  \"usb\",x\r\n", false, true, "usb"},
        {"par,usb\r\n", true, false, "par"},
        {"\r\nusb\r\n", false, false, ""},
    };
    for (const Row& row : rows) {
        ProgramBench b;
        if (row.content != nullptr) {
            b.folder.write("comms_option.txt", row.content);
        }
        b.program.start();
        const std::string label = row.content != nullptr ? row.content : "(none)";
        EXPECT_EQ(b.control<OptionButton>("deviceform", "option_par").value(), row.par) << label;
        EXPECT_EQ(b.control<OptionButton>("deviceform", "option_usb").value(), row.usb) << label;
        EXPECT_EQ(b.state().comm_link, row.comm_link) << label;
    }
}

TEST(StartWindow, ASystemThatNeedsNoClaimRemembersTheParallelPort) {
    ProgramBench b;
    b.board.set_os_version(98);
    b.board.set_claim_result(0);
    b.confirm("Option1", "option_par");
    EXPECT_EQ(b.host.events.size(), 3U);
    EXPECT_EQ(comms_file(b), "par\r\n");
}

// Without a reason from the platform (the virtual board) the texts stand alone,
// as the bench scripts claim_failed and adapter_absent show.
TEST(StartWindow, HardwareFailuresCarryThePlatformsReasonOnALineOfItsOwn) {
    const std::string no_port = "cannot open /dev/parport0: Permission denied (is the user in "
                                "group lp?)";
    ProgramBench par;
    par.board.set_claim_result(0);
    par.board.set_failure_reason(no_port);
    par.confirm("Option1", "option_par");
    EXPECT_THAT(par.host.events,
                ::testing::Contains("message none \"Norvik Evaluation Software\" \"Failed to claim "
                                    "Parallel Port\n" +
                                    no_port + "\""));

    ProgramBench usb;
    usb.board.set_firmware_result(-1);
    usb.board.set_failure_reason("no board found (looked for 04b4:8613)");
    usb.confirm("Option1", "option_usb");
    EXPECT_THAT(
        usb.host.events,
        ::testing::Contains("message none \"Norvik Evaluation Software\" \"USB Adapter Board "
                            "NOT DETECTED\nno board found (looked for 04b4:8613)\""));
}

TEST(StartWindow, NoLinkChosenKeepsTheTextReadAndRewritesIt) {
    ProgramBench b;
    b.folder.write("comms_option.txt", "serial\r\n");
    b.confirm("Option1", "");
    EXPECT_EQ(b.state().comm_link, "serial");
    EXPECT_EQ(comms_file(b), "serial\r\n");
}

TEST(StartWindow, ClosingWithoutConfirmingEndsTheProgramThoughHelpIsOpen) {
    ProgramBench b;
    b.program.start();
    b.control<CaptionControl>("deviceform", "Command2").user_click();
    b.form("deviceform").close_box();
    EXPECT_TRUE(b.program.ended());
    EXPECT_EQ(b.host.events.back(), "quit");
}

TEST(StartWindow, ZQF7320PresetsThePrescalerList) {
    ProgramBench b;
    b.confirm("Option2");
    EXPECT_EQ(b.main().get<ListBox>("Combo4").index(), 0);
    EXPECT_EQ(b.state().prescaler_p, 4);
    EXPECT_EQ(b.state().cp_div2, 1024);
    EXPECT_EQ(b.state().mod_val, 64.0);
    EXPECT_EQ(b.main().get<CaptionControl>("modulus").caption(), "64");
}

} // namespace
} // namespace zqf
