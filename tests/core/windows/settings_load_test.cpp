#include "core/planning/if_counters.h"
#include "core/settings/settings_layout.h"
#include "core/settings/settings_parse.h"
#include "core/settings/settings_writer.h"
#include "core/state/noise_patterns.h"
#include "core/state/state_fields.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zqf {
namespace {

using testing::ProgramBench;
using Order = std::vector<int>;
namespace fs = std::filesystem;

constexpr const char* title = "Norvik Evaluation Software";

// Everything the main panel shows: its title and every property of every control.
std::vector<std::string> display_of(const Form& form) {
    std::vector<std::string> out{form.caption()};
    for (const auto& control : form.controls()) {
        for (const char* property :
             {"", "caption", "text", "visible", "enabled", "color", "index", "value", "state"}) {
            out.push_back(control->name() + "." + property + "=" +
                          control->property(property).value_or("-"));
        }
    }
    return out;
}

// The members in which two states differ, by name.
std::string differences(const SharedState& a, const SharedState& b) {
    std::string out;
    for (const StateField& field : state_fields()) {
        const bool same =
            std::visit([&](const auto& member) { return a.*member == b.*member; }, field.member);
        out += same ? "" : " " + std::string(field.name);
    }
    return out;
}

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
    b.click("Main", "mnuGet");
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
    b.click("Main", "Toggle10");
    const std::string good = fresh_file("Option1");
    const fs::path dir = b.dir;
    struct Case {
        std::string name;
        std::string content; // empty: the file is made otherwise below
        std::string reason;  // empty: the marker's own message
    };
    std::string big = good;
    big.resize(64 * 1024 + 1, ' ');
    const std::string bracket =
        with_line(with_line(with_line(good, 12, " 1 "), 36, " 64 "), 13, " 100000000 ");
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
        {"bracket.txt", bracket,
         "lines 13 (if_b), 14 (if_a) and 36 (if_prescaler) give an IF divider beyond the 32-bit "
         "whole numbers"},
        {"if_plan.txt", with_line(good, 38, " 0 "),
         "the IF counters cannot be computed from lines 38 (if_pfd_freq), 40 (refin_freq) and 57 "
         "(if_vco_freq)"},
        {"rf_plan.txt", with_line(good, 30, " 0 "),
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
    b.click("Main", "mnuGet");
    EXPECT_TRUE(b.host.events.empty());
    EXPECT_TRUE(b.state() == state);
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
        EXPECT_EQ(b.control<CaptionControl>("Main", "Device").caption(), label);
        EXPECT_EQ(b.main().caption(), std::string(title) + " - s.txt");
        EXPECT_EQ(b.main().find("Frame5")->visible(), c.indicators_raised) << c.file_device;
    }
}

// A list keeps its entry when the file's value matches none of them; the value
// itself is stored. (A muxout code that is no entry of the dual's list would
// not fit its field and is refused with the file.)
TEST(SettingsLoad, AValueNoEntryMatchesLeavesItsControl) {
    ProgramBench b;
    b.confirm("Option6");
    b.control<ListBox>("Main", "Combo4").user_choose(0);
    b.control<ListBox>("Main", "Combo1").user_choose(3);
    const std::string good = fresh_file("Option6");
    const fs::path file =
        b.folder.write("s.txt", with_line(with_line(good, 37, " 5 "), 61, " 20 "));
    b.host.events.clear();
    get_settings(b, file);
    EXPECT_EQ(b.host.events, std::vector<std::string>{});
    EXPECT_EQ(b.control<ListBox>("Main", "Combo4").index(), 0);
    EXPECT_EQ(b.control<ListBox>("Main", "Combo1").index(), 3);
    EXPECT_EQ(b.state().prescaler_p, 5);
    EXPECT_EQ(b.state().resync_value, 20);
}

// Random panels of every device, saved and loaded into a program that runs
// another device with another panel: every item comes back, apart from what
// the load re-derives as a choice of the user's would.
TEST(SettingsLoad, RandomPanelsComeBackThroughAFile) {
    std::mt19937 random(1010);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const char* const devices[] = {"Option1", "Option2", "Option3",
                                   "Option4", "Option5", "Option6"};
    const auto randomise = [&](ProgramBench& b) {
        for (int i = 0; i < 12; ++i) {
            const std::string name = "Toggle" + std::to_string(pick(1, 34));
            Control* control = b.main().find(name);
            if (control != nullptr && control->visible() && control->enabled() &&
                name != "Toggle11" && name != "Toggle12" && name != "Toggle13") {
                b.click("Main", name);
            }
        }
        for (const char* list : {"Combo1", "Combo4", "Combo5", "Combo7", "Combo9"}) {
            auto& box = b.control<ListBox>("Main", list);
            box.user_choose(pick(0, box.count() - 1));
        }
        b.click("Main", "Option" + std::to_string(pick(1, 3)));
        SharedState& s = b.state();
        s.r_count = static_cast<int16_t>(pick(1, 15));
        s.refin_freq = 1e6 * pick(5, 30);
        s.pfd_freq = s.refin_freq / s.r_count;
        s.mod_val = pick(2, 4095);
        s.frac_val = pick(0, static_cast<int>(s.mod_val) - 1);
        s.int_val = pick(75, 500);
        s.chan_step = s.pfd_freq / s.mod_val;
        s.if_vco_freq = 0.2 * pick(2500, 3000);
        s.rset_ohms = pick(2700, 10000);
        b.program.collect();
    };
    for (int round = 0; round < 24; ++round) {
        ProgramBench from;
        from.confirm(devices[round % 6]);
        randomise(from);
        const fs::path file = from.dir / "panel.txt";
        from.host.file = file.string();
        from.click("Main", "mnuSave");
        // Reals come back to the 15 significant digits written.
        const SharedState saved =
            std::get<SettingsFile>(parse_settings(render_settings(from.state()))).values;

        ProgramBench to;
        to.confirm(devices[pick(0, 5)]);
        randomise(to);
        to.host.events.clear();
        get_settings(to, file);
        ASSERT_EQ(to.host.events, std::vector<std::string>{}) << "round " << round;

        // The re-derivations: resync switches the load control on, the IF
        // prescaler computes the IF counters, the IF VCO follows them, the
        // panel's noise mode stores its patterns, and the ZQF7310 and ZQF7320
        // write every register, which shows the words sent.
        SharedState expected = to.state();
        store_settings_items(saved, expected);
        const SharedState& s = to.state();
        expected.load_control = 8388608;
        const IfCounters counters = counters_from_if_plan(s).value();
        expected.if_r = counters.r;
        expected.if_n = counters.n;
        expected.if_b = counters.swallow.b;
        expected.if_a = counters.swallow.a;
        expected.if_vco_freq = (s.if_prescaler * s.if_b + s.if_a) * s.if_pfd_freq / 1000;
        for (const NoisePattern& pattern : noise_patterns) {
            if (to.control<OptionButton>("Main", pattern.option).value()) {
                store_noise_pattern(expected, pattern);
            }
        }
        // Not an item: the 5-register pattern stays as the last mode chosen left it.
        expected.ns_bits_5r = s.ns_bits_5r;
        if (saved.device_name == "ZQF7310" || saved.device_name == "ZQF7320") {
            expected.reg_text_bin = s.reg_text_bin;
            expected.reg_text_hex = s.reg_text_hex;
        }
        EXPECT_EQ(s.rf_freq, (s.frac_val / s.mod_val + s.int_val) * s.pfd_freq);
        expected.rf_freq = s.rf_freq;
        EXPECT_EQ(differences(s, expected), "") << "round " << round << ": " << saved.device_name;
        EXPECT_EQ(render_settings(s), render_settings(expected)) << "round " << round;
        EXPECT_EQ(to.control<CaptionControl>("Main", "Label17").caption(), s.reg_text_bin[0]);
    }
}

TEST(SettingsSave, AFailedSaveSaysWhyAndLeavesTheTarget) {
    ProgramBench b;
    b.confirm("Option1");
    const fs::path target = b.dir / "missing" / "s.txt";
    b.host.file = target.string();
    b.host.events.clear();
    b.click("Main", "Command12");
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
    b.click("Main", "mnuSave");
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
