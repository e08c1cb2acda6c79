// The main window's drop-down lists and numeric text entries.
#include "core/state/devices.h"
#include "core/text/convert.h"
#include "core/text/number_entry.h"
#include "core/windows/main_form.h"
#include "core/windows/main_list_items.h"
#include "core/windows/program.h"

#include <cmath>

namespace zqf {

namespace {

constexpr double p2(int n) {
    return static_cast<double>(1U << n);
}

// What choosing position n of a list stores; only called for a valid n.
struct ListRule {
    std::string_view name;
    void (*store)(SharedState&, int);
    std::string_view steps; // indicators lit after the refresh
};

const ListRule list_rules[] = {
    {"Combo1",
     [](SharedState& s, int n) {
         s.resync_value = static_cast<int16_t>(n);
         s.load_control = p2(23);
     },
     "R2 AllRF"},
    {"Combo2", [](SharedState& s, int n) { s.test_mode = n; }, "R3 AllRF"},
    {"Combo3", [](SharedState& s, int n) { s.sd_test_mode = n; }, "R3 AllRF"},
    {"Combo4",
     [](SharedState& s, int n) {
         s.prescaler_p = n == 0 ? 4 : 8;
         s.prescaler_field = n == 0 ? 0 : 1 << 20;
         s.prescaler_bit = n == 0 ? 0.0 : 1.0;
     },
     "R2 AllRF All"},
    {"Combo5",
     [](SharedState& s, int n) {
         s.if_prescaler = 8 << n;
         s.if_prescaler_field = n * (1 << 21);
     },
     "R4 All AllIF"},
    {"Combo7",
     [](SharedState& s, int n) {
         s.muxout_code = n * p2(7);
         s.dual_muxout_index = n;
     },
     "R3 AllRF All AllIF"},
    {"Combo8", [](SharedState& s, int n) { s.muxout_code = n * p2(20); }, "R1 AllRF"},
    {"Combo9", [](SharedState& s, int n) { s.muxout_code = n * p2(7); }, "R3 AllRF All AllIF"},
    {"Combo10",
     [](SharedState& s, int n) {
         static constexpr int32_t modes[] = {0, 1 << 19, 1 << 20};
         s.clk_div_mode = modes[n];
     },
     "R4 AllRF"},
    {"Combo11", [](SharedState& s, int n) { s.muxout_code = n * p2(20); }, "R0 AllRF"},
    {"Combo12", [](SharedState& s, int n) { s.sd_test_mode = n; }, "R4 AllRF"},
    {"Combo13", [](SharedState& s, int n) { s.test_mode = n; }, "R4 AllRF"},
};

const ListRule* rule_of(std::string_view name) {
    for (const ListRule& rule : list_rules) {
        if (rule.name == name) {
            return &rule;
        }
    }
    return nullptr;
}

} // namespace

void MainForm::create_lists() {
    for (const ListItems& list : main_list_items()) {
        auto& box = add<ListBox>(std::string(list.name), std::string(list.initial_text));
        if (rule_of(list.name) != nullptr) {
            box.on_choose = [this, name = list.name] { list_chosen(name); };
        }
    }
    add<TextBox>("phase_reg_textbox", "1").on_change = [this] {
        get<ToggleSwitch>("Toggle36").set_state(true);
    };
    add<TextBox>("clock_divider_value_textbox", "0").on_change = [this] {
        clock_divider_changed();
    };
}

void MainForm::list_chosen(std::string_view name) {
    const ListRule* rule = rule_of(name);
    const ListBox& list = get<ListBox>(name);
    const int n = list.index();
    if (n >= 0 && n < list.count()) {
        rule->store(program_.state(), n);
        if (name == "Combo5" && !set_if_counters()) {
            return;
        }
    }
    refresh_registers();
    run_steps(rule->steps);
}

bool MainForm::set_if_counters() {
    SharedState& s = program_.state();
    // A zero or unusable IF PFD leaves the counters as they were.
    const auto r = to_int32(s.refin_freq / 1000.0 / s.if_pfd_freq);
    const auto n = to_int32(s.if_vco_freq * 1000.0 / s.if_pfd_freq);
    if (!r || !n || s.if_prescaler == 0) {
        program_.beep();
        return false;
    }
    s.if_r = *r;
    s.if_n = *n;
    s.if_b = static_cast<int32_t>(std::floor(static_cast<double>(*n) / s.if_prescaler));
    s.if_a = *n - s.if_b * s.if_prescaler;
    return true;
}

void MainForm::clock_divider_changed() {
    // Partly typed or non-numeric text keeps the value last entered.
    const auto value = parse_number(get<TextBox>("clock_divider_value_textbox").text());
    if (!value) {
        return;
    }
    program_.state().clk_div_value = *value;
    refresh_registers();
    run_steps("R4 AllRF");
}

void MainForm::Picture1_DblClick() {
    switch (family_of(program_.state().device_name)) {
    case Family::dual:
        open_rf_test_modes();
        break;
    case Family::four_register:
        get<ListBox>("Combo2").set_visible(true);
        get<ListBox>("Combo3").set_visible(true);
        break;
    case Family::five_register:
        get<ListBox>("Combo12").set_visible(true);
        get<ListBox>("Combo13").set_visible(true);
        get<ToggleSwitch>("dec_sel_toggle").set_visible(true);
        break;
    case Family::none:
        break;
    }
}

} // namespace zqf
