// The main window's two-state setting switches.
#include "core/registers/field_access.h"
#include "core/state/devices.h"
#include "core/text/convert.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

using S = SharedState;
constexpr double p2(int n) {
    return static_cast<double>(1U << n);
}

// A switch stores its weight when on and 0 when off, then runs the steps of
// the device's family (see MainForm::run_steps). A switch without a field
// only runs its steps.
struct SwitchRow {
    std::string_view name;
    std::string_view caption_off;
    std::string_view caption_on;
    FieldRef field;
    double weight;
    std::string_view dual;
    std::string_view four;
    std::string_view five;
};

constexpr std::monostate no_field{};

const SwitchRow switch_rows[] = {
    {"Toggle1", "RF PD Polarity Negative", "RF PD Polarity Positive", &S::rf_pd_polarity, p2(7),
     "R2 AllRF All", "refresh R2 AllRF", "R3 AllRF refresh"},
    {"Toggle2", "IF PD Polarity Negative", "IF PD Polarity Positive", &S::if_pd_polarity, p2(7),
     "refresh R6 All AllIF", "refresh sendall", ""},
    {"Toggle3", "IF Counter Reset Disabled", "IF Counter Reset Enabled", &S::if_counter_reset,
     p2(3), "refresh R6 All AllIF", "refresh sendall", ""},
    {"Toggle4", "CP Gain = 0", "CP Gain = 1", &S::cp_gain, p2(23), "refresh R4 All AllIF", "", ""},
    {"Toggle5", "CP 3 State Off", "CP 3 State On", &S::rf_cp_three_state, p2(4),
     "refresh R2 AllRF All", "refresh R2 AllRF", "R3 AllRF refresh"},
    {"Toggle6", "CP 3 State Off", "CP 3 State On", &S::if_cp_three_state, p2(4),
     "refresh R6 All AllIF", "refresh sendall", ""},
    {"Toggle7", "Counter Reset Disabled", "Counter Reset Enabled", &S::counter_reset, p2(3),
     "refresh R3 AllRF All AllIF", "refresh R3 AllRF All AllIF", "refresh R3 AllRF All AllIF"},
    {"Toggle8", "CP 3State Off", "CP 3State On", &S::cp_three_state, p2(4), "refresh R3 AllRF All",
     "refresh R3 AllRF All", "refresh R3 AllRF All"},
    {"Toggle9", "RF Counter Reset Disabled", "RF Counter Reset Enabled", &S::rf_counter_reset,
     p2(3), "refresh R2 AllRF All", "refresh R2", "refresh R3 AllRF"},
    {"Toggle10", "XO Enabled", "XO Disabled", &S::xo_disable, p2(6), "refresh R3 AllRF All AllIF",
     "refresh sendall", ""},
    {"Toggle11", "LDP = 3", "LDP = 5", no_field, 0, "sendall", "sendall", "sendall"},
    {"Toggle12", "LDP = 3", "LDP = 5", no_field, 0, "sendall", "sendall", "sendall"},
    {"Toggle15", "RF Powerdown Disabled", "RF Powerdown Enabled", &S::rf_powerdown, p2(5),
     "refresh R2 AllRF All", "refresh R2", "refresh R3 AllRF"},
    {"Toggle16", "Fastlock Disabled", "Fastlock Enabled", &S::fastlock_4r, p2(23),
     "refresh R0 AllRF", "refresh R0 AllRF", "refresh R0 AllRF"},
    {"Toggle17", "Bleed Up Off", "Bleed Up On", &S::bleed_up, p2(23), "refresh All AllIF",
     "refresh sendall", ""},
    {"Toggle27", "IF LDP = 3", "IF LDP = 5", &S::if_ldp, p2(6), "R6 All AllIF refresh",
     "R6 All AllIF refresh", "R6 All AllIF refresh"},
    {"Toggle28", "RF Phase Resync Disabled", "RF Phase Resync Enabled", &S::rf_phase_resync,
     p2(15) + p2(14) + p2(11), "R6 All AllIF refresh", "R6 All AllIF refresh",
     "R6 All AllIF refresh"},
    {"Toggle31", "LDP = 3", "LDP = 5", &S::ldp_bit, p2(5), "refresh R2 AllRF", "refresh R2 AllRF",
     "refresh R3 AllRF"},
    {"Toggle33", "RF AND IF Powerdown Disabled", "RF AND IF Powerdown Enabled", &S::rf_if_powerdown,
     p2(5), "refresh R3 All AllIF AllRF", "refresh R3 All AllIF AllRF",
     "refresh R3 All AllIF AllRF"},
    {"Toggle34", "IF Powerdown Disabled", "IF Powerdown Enabled", &S::if_powerdown, p2(5),
     "refresh R6 All AllIF", "refresh R6 All AllIF", "refresh R6 All AllIF"},
    {"Toggle36", "Enter", "Enter", no_field, 0, "refresh R1 AllRF", "refresh R1 AllRF",
     "refresh R1 AllRF"},
    {"dec_sel_toggle", "DEC_SEL = 0", "DEC_SEL = 1", &S::dec_sel, 1.0, "", "", ""},
};

const SwitchRow* row_of(std::string_view name) {
    for (const SwitchRow& row : switch_rows) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

std::string_view steps_for(std::string_view device_name, std::string_view dual,
                           std::string_view four, std::string_view five) {
    return per_family(device_name, four, five, dual);
}

} // namespace

void MainForm::create_switches() {
    for (const SwitchRow& row : switch_rows) {
        auto& toggle = add<ToggleSwitch>(std::string(row.name), std::string(row.caption_off),
                                         std::string(row.caption_on));
        toggle.on_click = [this, name = row.name] { switch_clicked(name); };
    }
    add<ToggleSwitch>("Toggle13", "Doubler Disabled", "Doubler Enabled").on_click = [this] {
        open_rf_planner();
    };
    add<ToggleSwitch>("Toggle14", "Doubler Disabled", "Doubler Enabled").on_click = [this] {
        Toggle14_Click();
    };
    add<ToggleSwitch>("Toggle32", "Program Fast Lock", "Fast Lock Programmed").on_click = [this] {
        Toggle32_Click();
    };
    // No handlers of their own.
    add<ToggleSwitch>("Toggle18", "Bleed Down Off", "Bleed Down On");
    add<ToggleSwitch>("Toggle35", "Spare Off", "Spare On");
}

void MainForm::switch_clicked(std::string_view name) {
    const SwitchRow& row = *row_of(name);
    SharedState& s = program_.state();
    if (!std::holds_alternative<std::monostate>(row.field)) {
        set_field(s, row.field, get<ToggleSwitch>(name).state() ? row.weight : 0.0);
    }
    run_steps(steps_for(s.device_name, row.dual, row.four, row.five));
}

void MainForm::Toggle14_Click() {
    SharedState& s = program_.state();
    const bool on = get<ToggleSwitch>("Toggle14").state();
    // Doubling the reference doubles R, so the IF comparison frequency stays.
    const auto r = on ? to_int32(2.0 * s.if_r) : to_int32(s.if_r / 2.0);
    if (!r) {
        program_.beep();
        get<ToggleSwitch>("Toggle14").set_state(!on);
        return;
    }
    s.if_ref_doubler = on ? 1 << 18 : 0;
    s.if_r = *r;
    run_steps(steps_for(s.device_name, "refresh R5 All AllIF", "refresh sendall", ""));
}

void MainForm::Toggle32_Click() {
    SharedState& s = program_.state();
    const bool on = get<ToggleSwitch>("Toggle32").state();
    const Family family = family_of(s.device_name);
    if (!on) {
        s.load_control = 0.0;
        s.fastlock_5r = 0;
        if (family != Family::dual) {
            get<CaptionControl>("Frame2").set_enabled(true);
            Toggle32_finish();
        }
        return;
    }
    s.load_control = p2(23);
    if (family == Family::dual) {
        return;
    }
    if (family == Family::five_register) {
        s.fastlock_5r = 1 << 28;
    }
    if (s.device_name == zqf7320) {
        // The rest runs when the fast-lock window closes.
        open_fast_lock([this] {
            get<ListBox>("Combo8").set_index(6);
            Toggle32_finish();
        });
        return;
    }
    Toggle32_finish();
}

void MainForm::Toggle32_finish() {
    const std::string& device = program_.state().device_name;
    if (device == zqf7320) {
        run_steps("refresh R1 AllRF");
    } else if (is_five_register(device)) {
        run_steps("refresh R2 AllRF");
    } else {
        run_steps("refresh");
    }
}

} // namespace zqf
