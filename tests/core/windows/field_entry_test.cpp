#include "program_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <utility>
#include <vector>

namespace zqf {
namespace {

using testing::ProgramBench;
using Words = std::vector<std::string>;

// One entry through the window that sets the field: the entries typed, the
// buttons clicked, and either the word last written or the start of the
// warning that refused it (and nothing written).
struct EntryCase {
    const char* device;
    const char* door; // on the main window; nullptr: the panel itself
    std::vector<std::pair<const char*, const char*>> typed;
    std::vector<const char*> clicks;
    const char* word;    // "R0 7FC000"; nullptr: refused
    const char* warning; // nullptr: a beep alone
};

constexpr const char* rf = "synthmenu";
constexpr const char* if_planner = "ifvcofreq";

// Reference, R, step and RF output of the RF planner, then "Update R0 and R1 (Normal Mode)".
std::vector<std::pair<const char*, const char*>> plan(const char* ref, const char* r,
                                                      const char* step, const char* rf_mhz) {
    return {{"Text4", ref}, {"Text5", r}, {"Text3", step}, {"Text1", rf_mhz}};
}
const std::vector<const char*> normal{"Command3"};
const std::vector<const char*> lock_time{"Command6"};
const std::vector<const char*> if_load{"Command1"};

const EntryCase cases[] = {
    // ZQF7310: INT 9 bits, MOD 12 bits, R 4 bits.
    {"Option1", rf, plan("10", "1", "100", "5110"), normal, "R0 7FC000", nullptr},
    {"Option1", rf, plan("10", "1", "100", "5120"), normal, nullptr, "INT = 512 "},
    {"Option1", rf, plan("12.285", "3", "1", "409.5"), normal, "R1 4FFFD", nullptr},
    {"Option1", rf, plan("12.288", "3", "1", "409.6"), normal, nullptr, "MOD = 4096 "},
    {"Option1", rf, plan("150", "15", "100", "1750"), normal, "R1 7C191", nullptr},
    {"Option1", rf, plan("160", "16", "100", "1750"), normal, nullptr, "R counter = 16 "},
    {"Option1",
     rf,
     {{"Text1", "-5"}, {"Text2", "10000"}, {"Text3", "100"}},
     lock_time,
     nullptr,
     "INT = -1 "},
    // ZQF7340: INT 12 bits, MOD 12 bits, R 5 bits; phase and clock divider typed.
    {"Option4", rf, plan("10", "1", "100", "40950"), normal, "R0 7FF8000", nullptr},
    {"Option4", rf, plan("10", "1", "100", "40960"), normal, nullptr, "INT = 4096 "},
    {"Option4", rf, plan("12.288", "3", "1", "409.6"), normal, nullptr, "MOD = 4096 "},
    {"Option4", rf, plan("12.285", "3", "1", "409.5"), normal, "R2 41FFFA", nullptr},
    {"Option4", rf, plan("310", "31", "100", "1750"), normal, "R2 4F8322", nullptr},
    {"Option4", rf, plan("320", "32", "100", "1750"), normal, nullptr, "R counter = 32 "},
    {"Option4",
     nullptr,
     {{"phase_reg_textbox", "4095"}},
     {"Toggle36", "Toggle20"},
     "R1 7FF9",
     nullptr},
    {"Option4", nullptr, {{"phase_reg_textbox", "4096"}}, {"Toggle36"}, nullptr, "Phase = 4096 "},
    {"Option4", nullptr, {{"phase_reg_textbox", "-1"}}, {"Toggle36"}, nullptr, "Phase = -1 "},
    {"Option4", nullptr, {{"phase_reg_textbox", "0.5"}}, {"Toggle36"}, nullptr, "Phase = 0.5 "},
    {"Option4",
     nullptr,
     {{"clock_divider_value_textbox", "4095"}},
     {"Toggle23"},
     "R4 7FF84",
     nullptr},
    {"Option4",
     nullptr,
     {{"clock_divider_value_textbox", "4096"}},
     {},
     nullptr,
     "Clock divider = 4096 "},
    {"Option4",
     nullptr,
     {{"clock_divider_value_textbox", "-1"}},
     {},
     nullptr,
     "Clock divider = -1 "},
    {"Option4",
     nullptr,
     {{"clock_divider_value_textbox", "2.5"}},
     {},
     nullptr,
     "Clock divider = 2.5 "},
    // ZQF7350: INT 12 bits, R 5 bits; the fraction halves always fit.
    {"Option5", rf, plan("10", "1", "100", "40950"), normal, "R0 7FF8000", nullptr},
    {"Option5", rf, plan("10", "1", "100", "40960"), normal, nullptr, "INT = 4096 "},
    {"Option5", rf, plan("310", "31", "100", "1750"), normal, "R2 CF8002", nullptr},
    {"Option5", rf, plan("320", "32", "100", "1750"), normal, nullptr, "R counter = 32 "},
    // ZQF7620: RF INT 9 bits, MOD 12 bits, R 4 bits; IF B 12 bits, R 15 bits.
    {"Option6", rf, plan("10", "1", "100", "5110"), normal, "R0 FF8000", nullptr},
    {"Option6", rf, plan("12.285", "3", "1", "409.5"), normal, "R1 11FFF9", nullptr},
    {"Option6", rf, plan("150", "15", "100", "1750"), normal, "R1 178321", nullptr},
    {"Option6", rf, plan("10", "1", "100", "5120"), normal, nullptr, "INT = 512 "},
    {"Option6", rf, plan("12.288", "3", "1", "409.6"), normal, nullptr, "MOD = 4096 "},
    {"Option6", rf, plan("160", "16", "100", "1750"), normal, nullptr, "R counter = 16 "},
    {"Option6", if_planner, {{"Text1", "6553.4"}, {"Text2", "200"}}, if_load, "R4 1FFE3C", nullptr},
    {"Option6",
     if_planner,
     {{"Text1", "6553.6"}, {"Text2", "200"}},
     if_load,
     nullptr,
     "IF B counter = 4096 "},
    {"Option6",
     if_planner,
     {{"Text1", "-1.6"}, {"Text2", "200"}},
     if_load,
     nullptr,
     "IF B counter = -1 "},
    {"Option6",
     if_planner,
     {{"Text1", "1"}, {"Text2", "0.305185094759972"}},
     if_load,
     "R5 3FFFD",
     nullptr},
    {"Option6",
     if_planner,
     {{"Text1", "1"}, {"Text2", "0.30517578125"}},
     if_load,
     nullptr,
     "IF R counter = 32768 "},
    {"Option6",
     if_planner,
     {{"Text1", "1"}, {"Text2", "-10000"}},
     if_load,
     nullptr,
     "IF R counter = -1 "},
    // The fast-lock count goes through MOD: refused with a beep, as before.
    {"Option2", "Toggle32", {{"Text1", "4095"}}, {"Command3"}, "R1 807FFD", nullptr},
    {"Option2", "Toggle32", {{"Text1", "4096"}}, {"Command3"}, nullptr, nullptr},
    {"Option2", "Toggle32", {{"Text1", "-1"}}, {"Command3"}, nullptr, nullptr},
    {"Option2", "Toggle32", {{"Text1", "100.5"}}, {"Command3"}, nullptr, nullptr},
};

TEST(FieldEntries, EachCounterAtItsEdgesThroughTheWindowThatSetsIt) {
    for (const EntryCase& c : cases) {
        ProgramBench b;
        b.confirm(c.device);
        Form* window = &b.main();
        if (c.door != nullptr) {
            b.main().find(c.door)->user_click();
            window = b.program.open_forms().back();
        }
        Words sent;
        b.program.link().add_observer([&sent](const SentWord& w) {
            sent.push_back("R" + std::to_string(w.index) + " " + w.hex);
        });
        b.host.events.clear();
        for (const auto& [box, text] : c.typed) {
            window->get<TextBox>(box).user_type(text);
        }
        for (const char* button : c.clicks) {
            window->find(button)->user_click();
        }
        const std::string label =
            std::string(c.device) + " " + (c.typed.empty() ? "" : c.typed.back().second);
        if (c.word != nullptr) {
            EXPECT_THAT(sent, ::testing::Contains(c.word)) << label;
            EXPECT_EQ(std::count(b.host.events.begin(), b.host.events.end(), "beep"), 0) << label;
            continue;
        }
        EXPECT_TRUE(sent.empty()) << label;
        ASSERT_FALSE(b.host.events.empty()) << label;
        EXPECT_EQ(b.host.events.front(), "beep") << label;
        const std::string message = "message exclamation \"Norvik Evaluation Software\" \"";
        if (c.warning == nullptr) {
            EXPECT_EQ(b.host.events.size(), 1U) << label;
            continue;
        }
        ASSERT_EQ(b.host.events.size(), 2U) << label;
        EXPECT_EQ(b.host.events[1].rfind(message + c.warning, 0), 0U) << b.host.events[1];
    }
}

} // namespace
} // namespace zqf
