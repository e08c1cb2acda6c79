#include "program_fixture.h"

#include "core/settings/list_input.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zqf {
namespace {

using testing::ProgramBench;

void write(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string comms_file(ProgramBench& b) {
    return read_file((b.dir / "comms_option.txt").string()).value_or("<missing>");
}

TEST(StartWindow, FirstRunWithoutLinkFile) {
    ProgramBench b;
    b.program.start();
    EXPECT_EQ(b.host.events, (std::vector<std::string>{"shown deviceform"}));
    EXPECT_TRUE(b.control<OptionButton>("deviceform", "Option1").value());
    EXPECT_FALSE(b.control<OptionButton>("deviceform", "option_par").value());
    EXPECT_FALSE(b.control<OptionButton>("deviceform", "option_usb").value());
    EXPECT_EQ(b.state().rf_freq, 1750000000.0);
    EXPECT_EQ(b.state().comm_link, "");
}

TEST(StartWindow, LinkFileReadInListInputManner) {
    struct Row {
        const char* content;
        bool par;
        bool usb;
        const char* comm_link;
    };
    const Row rows[] = {
        {"par\r\n", true, false, "par"},         {"usb\r\n", false, true, "usb"},
        {"  \"usb\",x\r\n", false, true, "usb"}, {"USB\r\n", false, false, "USB"},
        {"par,usb\r\n", true, false, "par"},     {"\r\nusb\r\n", false, false, ""},
    };
    for (const Row& row : rows) {
        ProgramBench b;
        write(b.dir / "comms_option.txt", row.content);
        b.program.start();
        EXPECT_EQ(b.control<OptionButton>("deviceform", "option_par").value(), row.par)
            << row.content;
        EXPECT_EQ(b.control<OptionButton>("deviceform", "option_usb").value(), row.usb)
            << row.content;
        EXPECT_EQ(b.state().comm_link, row.comm_link) << row.content;
    }
}

TEST(StartWindow, ConfirmingShowsTheMainWindowAndRemembersTheLink) {
    ProgramBench b;
    b.confirm("Option1", "option_par");
    EXPECT_EQ(b.host.events,
              (std::vector<std::string>{"shown deviceform", "shown Main", "closed deviceform"}));
    EXPECT_EQ(comms_file(b), "par\r\n");
    EXPECT_EQ(b.state().comm_link, "par");
    EXPECT_EQ(b.state().device_name, "ZQF7310");
    EXPECT_EQ(b.main().get<CaptionControl>("Device").caption(), "ZQF7310");
    EXPECT_FALSE(b.toggle("usb_display_toggle").visible());
    EXPECT_EQ(b.board.latch_count(), 0); // nothing is written during start-up
    EXPECT_EQ(b.program.find("deviceform"), nullptr);
}

TEST(StartWindow, ZQF7610RunsAsZQF7620) {
    ProgramBench b;
    b.confirm("Option3");
    EXPECT_EQ(b.state().device_name, "ZQF7620");
    EXPECT_EQ(b.main().get<CaptionControl>("Device").caption(), "ZQF7610");
    EXPECT_TRUE(b.main().get<CaptionControl>("Frame4").visible()); // the dual set-up ran
    EXPECT_EQ(b.state().rset_ohms, 2700.0);
}

TEST(StartWindow, LinkPreparationFailures) {
    {
        ProgramBench b;
        b.board.set_os_version(-1);
        b.confirm("Option1", "option_par");
        EXPECT_EQ(b.host.events[1],
                  "message critical \"\" \"Failed to determine operating system\"");
        EXPECT_EQ(comms_file(b), "<missing>");
        EXPECT_TRUE(b.program.is_shown(b.main()));
    }
    {
        ProgramBench b;
        b.board.set_claim_result(0);
        b.confirm("Option1", "option_par");
        EXPECT_EQ(b.host.events[1],
                  "message none \"Norvik Evaluation Software\" \"Failed to claim Parallel Port\"");
        EXPECT_EQ(comms_file(b), "<missing>");
        EXPECT_EQ(b.state().comm_link, "par"); // later writes are still attempted
    }
    {
        ProgramBench b;
        b.board.set_os_version(98); // a system that needs no claim
        b.board.set_claim_result(0);
        b.confirm("Option1", "option_par");
        EXPECT_EQ(b.host.events.size(), 3U);
        EXPECT_EQ(comms_file(b), "par\r\n");
    }
    {
        ProgramBench b;
        b.board.set_firmware_result(-1);
        b.confirm("Option6", "option_usb");
        EXPECT_EQ(b.host.events[1],
                  "message none \"Norvik Evaluation Software\" \"USB Adapter Board NOT DETECTED\"");
        EXPECT_TRUE(b.toggle("usb_display_toggle").visible());
        EXPECT_FALSE(b.toggle("usb_display_toggle").state());
        EXPECT_EQ(b.toggle("usb_display_toggle").caption(), "USB Not Detected");
        EXPECT_EQ(comms_file(b), "usb\r\n");
        EXPECT_EQ(b.state().fw_path, b.dir.string() + "/zqf7xxx_usb_fw_1_0.hex");
    }
    {
        ProgramBench b;
        b.confirm("Option6", "option_usb");
        EXPECT_TRUE(b.toggle("usb_display_toggle").state());
        EXPECT_EQ(b.toggle("usb_display_toggle").caption(), "USB Detected");
    }
}

TEST(StartWindow, NoLinkChosenKeepsTheTextReadAndRewritesIt) {
    ProgramBench b;
    write(b.dir / "comms_option.txt", "serial\r\n");
    b.confirm("Option1", "");
    EXPECT_EQ(b.state().comm_link, "serial");
    EXPECT_EQ(comms_file(b), "serial\r\n");
}

TEST(StartWindow, HelpIsModelessAndClosingWithoutConfirmingEndsTheProgram) {
    ProgramBench b;
    b.program.start();
    b.control<CaptionControl>("deviceform", "Command2").user_click();
    ASSERT_NE(b.program.find("comms_help_form"), nullptr);
    EXPECT_FALSE(b.program.is_blocked(b.form("deviceform")));
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
