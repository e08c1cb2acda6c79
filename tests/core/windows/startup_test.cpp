#include "program_fixture.h"

#include "core/windows/names/device_controls.h"
#include "core/windows/names/main_controls.h"
#include "files/bounded_read.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace zqf {
namespace {

using testing::ProgramBench;

std::string comms_file(ProgramBench& b) {
    const FileRead file = read_bounded((b.dir / "comms_option.txt").string(), link_file_kind);
    return file.ok() ? file.bytes : "<missing>";
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
        EXPECT_EQ(b.control<OptionButton>("deviceform", device_controls::option_par).value(),
                  row.par)
            << label;
        EXPECT_EQ(b.control<OptionButton>("deviceform", device_controls::option_usb).value(),
                  row.usb)
            << label;
        EXPECT_EQ(b.state().comm_link, row.comm_link) << label;
    }
}

TEST(StartWindow, ALinkFileThatIsNoSmallRegularFileCountsAsMissingWithANote) {
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        const char* reason;
    } cases[] = {
        {"pipe", [](const auto& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
         "it is a named pipe, not a regular file"},
        {"endless", [](const auto& path) { std::filesystem::create_symlink("/dev/zero", path); },
         "it is a character device, not a regular file"},
        {"16 MB",
         [](const auto& path) {
             std::ofstream(path) << "par\r\n";
             std::filesystem::resize_file(path, 16 * 1024 * 1024);
         },
         "it is larger than 4 KiB, the limit for a link file"},
    };
    for (const auto& c : cases) {
        ProgramBench b;
        const std::filesystem::path file = b.dir / "comms_option.txt";
        c.make(file);
        b.program.start();
        EXPECT_FALSE(b.control<OptionButton>("deviceform", device_controls::option_par).value())
            << c.name;
        EXPECT_FALSE(b.control<OptionButton>("deviceform", device_controls::option_usb).value())
            << c.name;
        EXPECT_EQ(b.state().comm_link, "") << c.name;
        EXPECT_EQ(b.host.events.front(), "note cannot read the link file '" + file.string() +
                                             "': " + c.reason + "; no link is preselected");
    }
}

TEST(StartWindow, RewritingTheLinkFileFollowsNoPlantedLinkAndKeepsItsPermissions) {
    ProgramBench b;
    const std::filesystem::path victim = b.folder.write("victim.txt", "precious");
    std::filesystem::create_symlink(victim, b.dir / "comms_option.txt.tmp");
    const std::filesystem::path file = b.folder.write("comms_option.txt", "usb\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    b.confirm("Option1", "option_par");
    EXPECT_EQ(comms_file(b), "par\r\n");
    EXPECT_EQ(read_bounded(victim.string(), link_file_kind).bytes, "precious");
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(StartWindow, ALinkFileThatCannotBeWrittenIsReportedWithItsReason) {
    ProgramBench b;
    std::filesystem::create_directory(b.dir / "comms_option.txt");
    b.confirm("Option1", "option_par");
    const std::string note =
        "note cannot write '" + (b.dir / "comms_option.txt").string() + "': it is a folder";
    EXPECT_NE(std::find(b.host.events.begin(), b.host.events.end(), note), b.host.events.end());
    EXPECT_NE(std::find(b.host.events.begin(), b.host.events.end(),
                        "message exclamation \"Norvik Evaluation Software\" \"The link choice "
                        "could not be saved in \"comms_option.txt\"; it will not be remembered "
                        "for the next run.\""),
              b.host.events.end());
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
    b.control<CaptionControl>("deviceform", device_controls::Command2).user_click();
    b.form("deviceform").close_box();
    EXPECT_TRUE(b.program.ended());
    EXPECT_EQ(b.host.events.back(), "quit");
}

TEST(StartWindow, ZQF7320PresetsThePrescalerList) {
    ProgramBench b;
    b.confirm("Option2");
    EXPECT_EQ(b.main().get(main_controls::Combo4).index(), 0);
    EXPECT_EQ(b.state().prescaler_p, 4);
    EXPECT_EQ(b.state().cp_div2, 1024);
    EXPECT_EQ(b.state().mod_val, 64.0);
    EXPECT_EQ(b.main().get(main_controls::modulus).caption(), "64");
}

} // namespace
} // namespace zqf
