#include "core/settings/settings_writer.h"
#include "core/windows/names/main_controls.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zqf {
namespace {

using testing::display_of;
using testing::ProgramBench;
using Order = std::vector<int>;
namespace fs = std::filesystem;

constexpr const char* title = "Norvik Evaluation Software";

// The file of a fresh session of that device.
std::string fresh_file(std::string_view device_option) {
    ProgramBench b;
    b.confirm(device_option);
    return render_settings(b.state());
}

// Replaces the text of one line of a settings file (1 is the marker).
std::string with_line(std::string text, int line, const std::string& replacement) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    const std::size_t end = text.find("\r\n", start);
    return text.replace(start, end - start, replacement);
}

void get_settings(ProgramBench& b, const fs::path& file) {
    b.host.file = file.string();
    b.click("Main", main_controls::mnuGet);
}

std::string refusal(const std::string& reason) {
    return std::string("message exclamation \"") + title + "\" \"" + reason + "\"";
}

std::string not_loaded(const fs::path& file, const std::string& reason) {
    return refusal("The settings could not be loaded from '" + file.string() + "': " + reason +
                   ". Nothing has changed.");
}

TEST(SettingsLoad, ARefusedFileChangesNothingAtAll) {
    ProgramBench b;
    b.confirm("Option1");
    b.click("Main", main_controls::Toggle10);
    const std::string good = fresh_file("Option1");
    const fs::path dir = b.dir;
    struct Case {
        std::string name;
        std::string content; // empty: the file is made otherwise below
        std::string reason;  // empty: the marker's own message
    };
    std::string big = good;
    big.resize(64 * 1024 + 1, ' ');
    const Case cases[] = {
        {"marker.txt", with_line(good, 1, "valid frac settings!"), ""},
        {"case.txt", with_line(good, 1, "Valid frac settings"), ""},
        {"short.txt", good.substr(0, good.rfind(" 5100 ")),
         "the file ends after 63 items, where settings take 64"},
        {"word.txt", with_line(good, 30, " fifty "),
         "line 30 (mod_val) holds \"fifty \", which is not a number"},
        {"sixteen.txt", with_line(good, 35, " 32767.5 "),
         "line 35 (dual_muxout_index) holds \"32767.5 \", which is outside the 16-bit whole "
         "numbers -32768 to 32767 once rounded"},
        {"thirtytwo.txt", with_line(good, 3, "-2147483649 "),
         "line 3 (if_test_mode) holds \"-2147483649 \", which is outside the 32-bit whole "
         "numbers -2147483648 to 2147483647 once rounded"},
        {"field.txt", with_line(good, 32, " 600 "),
         "line 32 (int_val): INT = 600 does not fit its 9-bit field, which takes a whole number "
         "from 0 to 511"},
        // Items that are no counters may not carry into counters either.
        {"muxout.txt", with_line(good, 15, " 4 "),
         "line 15 (muxout_code) holds 4, which the ZQF7310 does not take: it takes 0, 1048576, "
         "2097152, 3145728, 4194304, 5242880, 6291456 or 7340032"},
        {"pair.txt", with_line(good, 37, " 4 "),
         "lines 27 (prescaler_field) and 37 (prescaler_p) name different RF prescalers; the "
         "prescaler list stores them together"},
        {"fraction.txt", with_line(good, 33, " 50 "),
         "line 33 (frac_val): FRAC = 50 is not below MOD = 50, so FRAC/MOD is not a fraction: "
         "FRAC takes a whole number from 0 to 49"},
        {"if_plan.txt", with_line(good, 38, " 0 "),
         "the IF counters cannot be computed from lines 38 (if_pfd_freq), 40 (refin_freq) and 57 "
         "(if_vco_freq)"},
        {"modulus.txt", with_line(good, 30, " 0 "),
         "line 30 (mod_val): MOD = 0 gives no fraction FRAC/MOD: MOD takes a whole number from 1 "
         "to 4095"},
        {"rf_plan.txt", with_line(good, 39, " 1E+308 "),
         "lines 30 (mod_val), 32 (int_val), 33 (frac_val) and 39 (pfd_freq) give no RF output "
         "frequency"},
        {"line64.txt", with_line(good, 64, " 5k1 "),
         "line 64 (rset_ohms) holds \"5k1 \", which is not a number"},
        {"big.txt", big, ""},
        {"missing.txt", "", ""},
        {"folder.txt", "", ""},
        {"fifo.txt", "", ""},
    };
    for (const Case& c : cases) {
        if (!c.content.empty()) {
            b.folder.write(c.name, c.content);
        }
    }
    fs::create_directory(dir / "folder.txt");
    ASSERT_EQ(::mkfifo((dir / "fifo.txt").c_str(), 0600), 0);
    const std::map<std::string, std::string> file_reasons = {
        {"big.txt", "it is larger than 64 KiB, the limit for a settings file"},
        {"missing.txt", "No such file or directory"},
        {"folder.txt", "it is a folder, not a regular file"},
        {"fifo.txt", "it is a named pipe, not a regular file"},
    };

    b.record_sends();
    const SharedState state = b.state();
    const std::vector<std::string> display = display_of(b.main());
    for (const Case& c : cases) {
        b.host.events.clear();
        get_settings(b, dir / c.name);
        EXPECT_TRUE(b.state() == state) << c.name;
        EXPECT_EQ(display_of(b.main()), display) << c.name;
        EXPECT_EQ(b.sent, Order{}) << c.name;
        std::vector<std::string> expected;
        if (const auto file = file_reasons.find(c.name); file != file_reasons.end()) {
            expected = {"beep", refusal("The settings could not be loaded: cannot read the "
                                        "settings file '" +
                                        (dir / c.name).string() + "': " + file->second +
                                        ". Nothing has changed.")};
        } else if (c.reason.empty()) {
            expected = {"message exclamation \"Invalid file!\" \" File does not contain valid "
                        "settings \""};
        } else {
            expected = {"beep", not_loaded(dir / c.name, c.reason)};
        }
        EXPECT_EQ(b.host.events, expected) << c.name;
    }
    // A cancelled dialog does nothing either.
    b.host.events.clear();
    b.host.file.reset();
    b.click("Main", main_controls::mnuGet);
    EXPECT_TRUE(b.host.events.empty());
    EXPECT_TRUE(b.state() == state);
}

// What the file holds may fit item by item and still make a word the chip
// cannot trust with what the panel keeps beside it: here the sigma-delta test
// mode, which no file holds, with the file's test mode and noise pattern
// carries out of R3's test bits.
TEST(SettingsLoad, AFileWhoseWordsTheGuardWouldRefuseIsRefused) {
    ProgramBench b;
    b.confirm("Option1");
    b.state().sd_test_mode = 15;
    const std::string lowest_noise = with_line(fresh_file("Option1"), 20, " 31 ");
    const fs::path file = b.folder.write("s.txt", lowest_noise);
    b.record_sends();
    b.host.events.clear();
    get_settings(b, file);
    EXPECT_EQ(b.host.events,
              (std::vector<std::string>{
                  "beep", not_loaded(file, "the values for R3 (lines 20 and 62) would not give a "
                                           "word the chip can trust: Sigma-delta test mode = 15, "
                                           "Test mode = 31 and Noise and spur mode = 964 add up "
                                           "to more than their bits 17-13 and 10-2 hold")}));
    EXPECT_TRUE(b.sent.empty());
}

TEST(SettingsLoad, FinishesAsTheFilesDeviceSays) {
    struct Case {
        const char* file_device;
        Order sent;
        bool indicators_raised;
        const char* device_label;
    };
    const Case cases[] = {
        {"Option1", {3, 2, 1, 0}, false, "ZQF7310"},
        {"Option2", {3, 2, 1, 0}, false, "ZQF7320"},
        {"Option4", {}, false, "ZQF7340"},
        {"Option5", {}, false, "ZQF7350"},
        {"Option6", {}, true, "ZQF7620"},
    };
    for (const Case& c : cases) {
        ProgramBench b;
        b.confirm("Option3"); // a ZQF7610 session
        const fs::path file = b.folder.write("s.txt", fresh_file(c.file_device));
        b.switch_all_indicators_off();
        b.record_sends();
        get_settings(b, file);
        EXPECT_EQ(b.sent, c.sent) << c.file_device;
        for (const char* name : {"Toggle26", "Toggle29", "Toggle30"}) {
            if (c.indicators_raised) {
                EXPECT_TRUE(b.lit(name)) << c.file_device << " " << name;
            }
        }
        // A ZQF7620 file keeps the label's ZQF7610; any other names its device.
        const std::string label = c.indicators_raised ? "ZQF7610" : c.device_label;
        EXPECT_EQ(b.control<CaptionControl>("Main", main_controls::Device).caption(), label);
        EXPECT_EQ(b.main().caption(), std::string(title) + " - s.txt");
        EXPECT_EQ(b.main().find(main_controls::Frame5)->visible(), c.indicators_raised)
            << c.file_device;
    }
}

TEST(SettingsSave, AFailedSaveSaysWhyAndLeavesTheTarget) {
    ProgramBench b;
    b.confirm("Option1");
    const fs::path target = b.dir / "missing" / "s.txt";
    b.host.file = target.string();
    b.host.events.clear();
    b.click("Main", main_controls::Command12);
    EXPECT_EQ(
        b.host.events,
        (std::vector<std::string>{
            "beep", refusal("The settings could not be saved: cannot write '" + target.string() +
                            "': No such file or directory. No file was changed.")}));
    EXPECT_EQ(b.main().caption(), title);

    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into any folder";
    }
    const fs::path locked = b.dir / "locked";
    const fs::path old = b.folder.write("locked/s.txt", "old");
    ::chmod(locked.c_str(), 0555);
    b.host.file = old.string();
    b.click("Main", main_controls::mnuSave);
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator()), 1);
    std::ifstream in(old);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

TEST(SettingsSave, AKilledSaveLeavesTheOldFileOrTheNewOne) {
    ProgramBench b;
    b.confirm("Option6");
    const std::string target = (b.dir / "s.txt").string();
    SharedState other = b.state();
    other.device_name = "ZQF7340";
    other.reg_text_bin.fill(std::string(24, '1'));
    const std::string versions[] = {render_settings(b.state()), render_settings(other)};
    ASSERT_EQ(save_settings(b.state(), target), "");
    std::mt19937 random(77);
    for (int round = 0; round < 100; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n) {
                save_settings(n % 2 == 0 ? other : b.state(), target);
            }
        }
        ::usleep(std::uniform_int_distribution<unsigned>(0, 2000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        std::ifstream in(target, std::ios::binary);
        const std::string content(std::istreambuf_iterator<char>(in), {});
        EXPECT_TRUE(content == versions[0] || content == versions[1]) << "round " << round;
    }
}

} // namespace
} // namespace zqf
