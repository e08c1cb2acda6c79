#include "core/registers/field_access.h"
#include "core/registers/field_check.h"
#include "core/registers/switch_fields.h"
#include "core/windows/names/fast_lock_controls.h"
#include "core/windows/names/main_controls.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zqf {
namespace {

using testing::ProgramBench;
using Names = std::vector<std::string>;
using Order = std::vector<int>;

// What each switch, list and noise mode does after storing its field, per
// family, in the words of the panel's tables: "refresh", "send all", the
// indicators "R0".."R6", "All RF", "All IF", "All"; "same" repeats the cell
// to the left, "-" is nothing.
struct EffectRow {
    const char* control;
    const char* dual;
    const char* four;
    const char* five;
    int choose = -1;             // a list position; -1: a click (or typing)
    const char* typed = nullptr; // a text entry
    bool first_spur_mode = false;
};

const EffectRow effect_rows[] = {
    {"Toggle1", "R2, All RF, All", "refresh, R2, All RF", "R3, All RF, refresh"},
    {"Toggle2", "refresh, R6, All, All IF", "refresh, send all", "-"},
    {"Toggle3", "refresh, R6, All, All IF", "refresh, send all", "-"},
    {"Toggle4", "refresh, R4, All, All IF", "-", "-"},
    {"Toggle5", "refresh, R2, All RF, All", "refresh, R2, All RF", "R3, All RF, refresh"},
    {"Toggle6", "refresh, R6, All, All IF", "refresh, send all", "-"},
    {"Toggle7", "refresh, R3, All RF, All, All IF", "same", "same"},
    {"Toggle8", "refresh, R3, All RF, All", "same", "same"},
    {"Toggle9", "refresh, R2, All RF, All", "refresh, R2", "refresh, R3, All RF"},
    {"Toggle10", "refresh, R3, All RF, All, All IF", "refresh, send all", "-"},
    {"Toggle11", "send all", "send all", "send all"},
    {"Toggle12", "send all", "send all", "send all"},
    {"Toggle14", "refresh, R5, All, All IF", "refresh, send all", "-"},
    {"Toggle15", "refresh, R2, All RF, All", "refresh, R2", "refresh, R3, All RF"},
    {"Toggle16", "refresh, R0, All RF", "same", "same"},
    {"Toggle17", "refresh, All, All IF", "refresh, send all", "-"},
    {"Toggle27", "R6, All, All IF, refresh", "same", "same"},
    {"Toggle28", "R6, All, All IF, refresh", "same", "same"},
    {"Toggle31", "refresh, R2, All RF", "refresh, R2, All RF", "refresh, R3, All RF"},
    {"Toggle33", "refresh, R3, All, All IF, All RF", "same", "same"},
    {"Toggle34", "refresh, R6, All, All IF", "same", "same"},
    {"Toggle36", "refresh, R1, All RF", "same", "same"},
    {"dec_sel_toggle", "-", "-", "-"},
    {"Option1", "refresh, All IF, All RF, All", "refresh, R3, All RF", "refresh, R2, All RF", -1,
     nullptr, true},
    {"Option1", "refresh, R2, All RF", "refresh, R3, All RF", "refresh, R2, All RF"},
    {"Option2", "refresh, R2, All RF, All", "refresh, R3, All RF", "refresh"},
    {"Option3", "refresh, R2, All RF, All", "refresh, R3", "refresh, R2, All RF"},
    {"Combo1", "refresh, R2, All RF", "same", "same", 3},
    {"Combo2", "refresh, R3, All RF", "same", "same", 5},
    {"Combo3", "refresh, R3, All RF", "same", "same", 5},
    {"Combo4", "refresh, R2, All RF, All", "same", "same", 0},
    {"Combo5", "refresh, R4, All, All IF", "same", "same", 1},
    {"Combo7", "refresh, R3, All RF, All, All IF", "same", "same", 13},
    {"Combo8", "refresh, R1, All RF", "same", "same", 2},
    {"Combo9", "refresh, R3, All RF, All, All IF", "same", "same", 13},
    {"Combo10", "refresh, R4, All RF", "same", "same", 2},
    {"Combo11", "refresh, R0, All RF", "same", "same", 6},
    {"Combo12", "refresh, R4, All RF", "same", "same", 4},
    {"Combo13", "refresh, R4, All RF", "same", "same", 4},
    {"clock_divider_value_textbox", "refresh, R4, All RF", "same", "same", -1, "5"},
};

struct Effect {
    Names lit;
    bool refresh = false;
    bool send_all = false;
};

Effect parse_effect(std::string_view cell) {
    static const std::pair<std::string_view, const char*> indicator_words[] = {
        {"R0", "Toggle19"},     {"R1", "Toggle20"},  {"R2", "Toggle21"}, {"R3", "Toggle22"},
        {"R4", "Toggle23"},     {"R5", "Toggle24"},  {"R6", "Toggle25"}, {"All RF", "Toggle30"},
        {"All IF", "Toggle29"}, {"All", "Toggle26"},
    };
    Effect effect;
    while (!cell.empty() && cell != "-") {
        const std::size_t comma = cell.find(", ");
        const std::string_view word = cell.substr(0, comma);
        cell = comma == std::string_view::npos ? std::string_view() : cell.substr(comma + 2);
        if (word == "refresh") {
            effect.refresh = true;
        } else if (word == "send all") {
            effect.send_all = true;
        } else {
            for (const auto& [name, toggle] : indicator_words) {
                if (word == name) {
                    effect.lit.emplace_back(toggle);
                }
            }
        }
    }
    std::sort(effect.lit.begin(), effect.lit.end());
    return effect;
}

TEST(MainPanel, EverySwitchListAndModeOnEveryFamily) {
    const std::pair<const char*, Order> families[] = {
        {"Option6", {0, 1, 2, 3}}, {"Option1", {3, 2, 1, 0}}, {"Option4", {4, 3, 2, 1, 0}}};
    for (const EffectRow& row : effect_rows) {
        const char* cells[] = {row.dual, row.four, row.five};
        for (int f = 0; f < 3; ++f) {
            const char* cell = cells[f];
            for (int left = f; std::string_view(cell) == "same"; --left) {
                cell = cells[left - 1];
            }
            const Effect expected = parse_effect(cell);
            ProgramBench b;
            b.confirm(families[f].first);
            b.switch_all_indicators_off();
            if (row.first_spur_mode) {
                b.state().first_option1_done = 0;
            }
            b.state().rf_freq = 1234.5e6; // only a refresh shows it
            b.record_sends();
            Control& control = *b.main().find(row.control);
            if (row.typed != nullptr) {
                control.user_type(row.typed);
            } else if (row.choose >= 0) {
                control.user_choose(row.choose);
            } else {
                control.user_click();
            }
            const std::string label = std::string(row.control) + " on " + families[f].first;
            Names lit = b.lit_indicators();
            std::sort(lit.begin(), lit.end());
            EXPECT_EQ(lit, expected.lit) << label;
            EXPECT_EQ(b.main().get(main_controls::vcofreq).caption() == "1234.50000MHz",
                      expected.refresh)
                << label;
            EXPECT_EQ(b.sent, expected.send_all ? families[f].second : Order{}) << label;
        }
    }
}

TEST(MainPanel, ListsStoreTheirFields) {
    ProgramBench b;
    b.confirm("Option1");
    MainForm& m = b.main();
    // The bench script panel_four_register writes R1 with the 4/5 prescaler.
    m.get(main_controls::Combo4).user_choose(0);
    EXPECT_EQ(m.get(main_controls::prescale).caption(), "4/5"); // follows on every family
    m.get(main_controls::Combo1).user_choose(15);
    EXPECT_EQ(b.state().resync_value, 15);
    EXPECT_EQ(b.state().load_control, 8388608.0);
    // A list set to no entry stores nothing, but lights all the same.
    b.switch_all_indicators_off();
    m.get(main_controls::Combo8).set_index(-1);
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle20", "Toggle30"}));

    ProgramBench dual;
    dual.confirm("Option6");
    dual.main().get(main_controls::Combo5).user_choose(1); // 16/17
    EXPECT_EQ(dual.state().if_prescaler, 16);
    EXPECT_EQ(dual.state().if_prescaler_field, 1 << 21);
    EXPECT_EQ(dual.state().if_r, 50);
    EXPECT_EQ(dual.state().if_n, 2700);
    EXPECT_EQ(dual.state().if_b, 168);
    EXPECT_EQ(dual.state().if_a, 12);
    dual.main().get(main_controls::Combo7).user_choose(13);
    EXPECT_EQ(dual.state().muxout_code, 13 * 128.0);
    EXPECT_EQ(dual.main().get(main_controls::Label5).caption(), "RF/IF Digital Lock Detect");
    dual.state().if_pfd_freq = 0; // no usable IF plan: a beep, the counters stay
    dual.host.events.clear();
    dual.main().get(main_controls::Combo5).user_choose(0);
    EXPECT_EQ(dual.host.events, (Names{"beep"}));
    EXPECT_EQ(dual.state().if_b, 168);
}

// The bench scripts panel_five_register and panel_dual type the phase word and
// the clock divider and click the weighted switches.

TEST(MainPanel, IfDoublerKeepsTheComparisonFrequency) {
    ProgramBench b; // panel_dual takes R 50 there and back
    b.confirm("Option6");
    b.state().if_r = 51;
    b.toggle(main_controls::Toggle14).user_click();
    EXPECT_EQ(b.state().if_r, 102);
    EXPECT_EQ(b.state().if_ref_doubler, 1 << 18);
    b.toggle(main_controls::Toggle14).user_click();
    EXPECT_EQ(b.state().if_r, 51);
    EXPECT_EQ(b.state().if_ref_doubler, 0);
    ProgramBench huge;
    huge.confirm("Option6");
    huge.state().if_r = 2000000000; // doubling would overflow: refused with a beep
    huge.toggle(main_controls::Toggle14).user_click();
    EXPECT_EQ(huge.state().if_r, 2000000000);
    EXPECT_FALSE(huge.lit(main_controls::Toggle14));
    EXPECT_EQ(huge.host.events.back(), "beep");
}

TEST(MainPanel, FastLockSwitch) {
    ProgramBench b;
    b.confirm("Option2"); // ZQF7320
    b.switch_all_indicators_off();
    b.toggle(main_controls::Toggle32).user_click();
    EXPECT_EQ(b.state().load_control, 8388608.0);
    // The rest waits for the fast-lock window, opened modally over the panel.
    ASSERT_NE(b.program.find("fastlockform"), nullptr);
    EXPECT_TRUE(b.program.is_blocked(b.main()));
    EXPECT_TRUE(b.lit_indicators().empty());
    b.control<CaptionControl>("fastlockform", fast_lock_controls::Command2).user_click();
    EXPECT_EQ(b.main().get(main_controls::Combo8).index(), 6);
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle20", "Toggle30"}));
    b.toggle(main_controls::Toggle32).user_click();
    EXPECT_EQ(b.state().load_control, 0.0);

    ProgramBench five;
    five.confirm("Option4");
    five.switch_all_indicators_off();
    five.toggle(main_controls::Toggle32).user_click();
    EXPECT_EQ(five.state().fastlock_5r, 1 << 28);
    EXPECT_EQ(five.lit_indicators(), (Names{"Toggle21", "Toggle30"}));
}

// A switch named by its field's code stores one member and value on every
// device; each device that places the field must then carry that code at the
// field's bits. The table names its switches as text: each must be the panel's.
TEST(MainPanel, SwitchCodesLandOnTheirBitsOnEveryDevice) {
    ProgramBench b;
    b.confirm("Option6");
    for (const SwitchField& row : switch_fields()) {
        EXPECT_NE(dynamic_cast<ToggleSwitch*>(b.main().find(row.control)), nullptr) << row.control;
        const auto* code = std::get_if<FieldCode>(&row.given);
        if (code == nullptr) {
            continue;
        }
        const std::optional<MemberValue> stored = member_value(row);
        ASSERT_TRUE(stored) << row.control;
        SharedState on;
        set_field(on, stored->member, stored->value);
        for (const DeviceProfile& device : catalogue_profiles()) {
            const std::optional<FieldPlace> place = find_field(device, code->id);
            if (!place) {
                continue;
            }
            const std::string label =
                std::string(row.control) + " on " + std::string(device.stored_name);
            EXPECT_TRUE(place->term->member == stored->member) << label;
            EXPECT_FALSE(check_term(*place->term, stored->value)) << label;
            EXPECT_EQ(term_value(on, device, *place->term),
                      code->code * bit_weight(place->term->bits.low))
                << label;
        }
    }
}

// ---- update indicators and their group writes --------------------------------

TEST(UpdateIndicators, RegisterIndicatorWritesAndSyncsTheGroups) {
    ProgramBench b;
    b.confirm("Option6");
    b.switch_all_indicators_off();
    for (const char* name : {"Toggle22", "Toggle30", "Toggle29", "Toggle26"}) {
        b.toggle(name).set_state(true);
    }
    b.record_sends();
    b.toggle(main_controls::Toggle22).user_click(); // reads off: R3 is written all the same
    EXPECT_EQ(b.sent, (Order{3}));
    EXPECT_TRUE(b.lit_indicators().empty());

    b.toggle(main_controls::Toggle20).set_state(true);
    b.toggle(main_controls::Toggle30).set_state(true);
    b.toggle(main_controls::Toggle26).set_state(true);
    b.toggle(main_controls::Toggle19).user_click(); // on now; R1 still waits
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle20", "Toggle30", "Toggle26"}));
}

TEST(UpdateIndicators, R6IndicatorReadingOnWritesNothing) {
    ProgramBench b;
    b.confirm("Option6");
    b.record_sends();
    b.toggle(main_controls::Toggle25).user_click(); // was off: reads on
    EXPECT_TRUE(b.sent.empty());
    EXPECT_FALSE(b.lit(main_controls::Toggle25));
    b.toggle(main_controls::Toggle25).set_state(true);
    b.toggle(main_controls::Toggle25).user_click(); // reads off: writes R6
    EXPECT_EQ(b.sent, (Order{6}));
}

TEST(UpdateIndicators, GroupWriteOrders) {
    struct Case {
        const char* device_option;
        const char* indicator;
        Order sent;
    };
    const Case cases[] = {
        {"Option6", "Toggle30", {0, 1, 2, 3}},
        {"Option1", "Toggle30", {3, 2, 1, 0}},
        {"Option4", "Toggle30", {4, 3, 2, 1, 0}},
        // The bench script panel_dual traces the dual's IF and all-register groups.
        {"Option2", "Toggle26", {3, 2, 1, 0}},
        {"Option5", "Toggle26", {}},
        {"Option1", "Command8", {3, 2, 1, 0}},
        // A switch the four-register chip has no bit for sends every register.
        {"Option1", "Toggle10", {3, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        ProgramBench b;
        b.confirm(c.device_option);
        b.record_sends();
        b.main().find(c.indicator)->user_click();
        // ParallelLink.BoardLatchesTheAssembledWordForEveryRegister checks the words.
        EXPECT_EQ(b.sent, c.sent) << c.device_option << " " << c.indicator;
    }
}

TEST(UpdateIndicators, GroupClicksSwitchMembersOff) {
    ProgramBench five;
    five.confirm("Option4");
    five.toggle(main_controls::Toggle30)
        .set_state(false); // reads on after the click: only itself goes off
    five.toggle(main_controls::Toggle30).user_click();
    EXPECT_EQ(five.lit_indicators(),
              (Names{"Toggle19", "Toggle20", "Toggle21", "Toggle22", "Toggle23"}));
    five.toggle(main_controls::Toggle30).set_state(true);
    five.toggle(main_controls::Toggle30)
        .user_click(); // reads off: its members, and R4 here, go off
    EXPECT_TRUE(five.lit_indicators().empty());

    ProgramBench dual;
    dual.confirm("Option6");
    for (const char* name : {"Toggle24", "Toggle29", "Toggle26", "Toggle30"}) {
        dual.toggle(name).set_state(true);
    }
    dual.toggle(main_controls::Toggle29).user_click(); // reads off
    EXPECT_TRUE(dual.lit_indicators().empty());
}

// ---- noise and spur modes ----------------------------------------------------

TEST(NoiseModes, TheFirstSpurModeOfTheRunIsTheMainWindowsOwn) {
    // The main window selects "Lowest Spur Mode" while it loads, before a
    // device is confirmed: that is the first of the run, and it lights nothing.
    ProgramBench b;
    b.confirm("Option6");
    EXPECT_EQ(b.state().first_option1_done, 1);
    EXPECT_TRUE(b.lit_indicators().empty());
    b.main().get(main_controls::Option3).user_click();
    b.switch_all_indicators_off();
    b.main().get(main_controls::Option1).user_click();
    EXPECT_EQ(b.lit_indicators(), (Names{"Toggle21", "Toggle30"}));

    // With the flag still clear, the dual family lights all three groups.
    ProgramBench fresh;
    fresh.confirm("Option6");
    fresh.state().first_option1_done = 0;
    fresh.main().get(main_controls::Option1).user_click();
    EXPECT_EQ(fresh.lit_indicators(), (Names{"Toggle30", "Toggle29", "Toggle26"}));
    EXPECT_EQ(fresh.state().first_option1_done, 1);
}

TEST(NoiseModes, RefreshFollowsTheRfTestMode) {
    ProgramBench b;
    b.confirm("Option6");
    b.state().test_mode = (1 << 15) + (1 << 13) + (1 << 12) + (1 << 11); // RF test code 23
    b.state().if_test_mode = 0;
    b.main().refresh_registers();
    EXPECT_TRUE(b.main().get(main_controls::Option2).value());
    EXPECT_EQ(b.state().ns_bits_dual, 64);       // its handler ran
    b.state().test_mode = (1 << 15) + (1 << 11); // code 17
    b.main().refresh_registers();
    EXPECT_TRUE(b.main().get(main_controls::Option3).value());
    b.state().if_test_mode = 2048;
    b.state().test_mode = (1 << 15) + (1 << 13) + (1 << 12) + (1 << 11);
    b.main().refresh_registers();
    EXPECT_TRUE(b.main().get(main_controls::Option3).value()); // left as it was
}

// The bench scripts panel_* check the pairs after their writes.
TEST(DisplayPairs, ShowTheLastWordWrittenNotTheFields) {
    ProgramBench b;
    b.confirm("Option4");
    b.main().find(main_controls::Toggle22)->user_click();
    b.state().int_val = 176; // the pair shows the word as written, not the field
    EXPECT_EQ(b.main().get(main_controls::Label21).caption(), "");
}

} // namespace
} // namespace zqf
