#include "core/windows/panel_switches.h"

#include "core/registers/field_access.h"
#include "core/registers/field_check.h"
#include "core/registers/switch_fields.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/state/stored_values.h"
#include "core/text/convert.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/panel_doors.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

using enum Step;
constexpr auto p2 = bit_weight<double>;

// A switch stores its field (switch_fields) when it has one, then runs the
// steps of the device's family.
struct SwitchRow {
    std::string_view name;
    std::string_view caption_off;
    std::string_view caption_on;
    PerFamily<Steps> steps;
};

const SwitchRow switch_table[] = {
    {main_controls::Toggle1, "RF PD Polarity Negative", "RF PD Polarity Positive",
     by_family<Steps>({r2, all_rf, all}, {refresh, r2, all_rf}, {r3, all_rf, refresh})},
    {main_controls::Toggle2, "IF PD Polarity Negative", "IF PD Polarity Positive",
     by_family<Steps>({refresh, r6, all, all_if}, {refresh, send_all}, {})},
    {main_controls::Toggle3, "IF Counter Reset Disabled", "IF Counter Reset Enabled",
     by_family<Steps>({refresh, r6, all, all_if}, {refresh, send_all}, {})},
    {main_controls::Toggle4, "CP Gain = 0", "CP Gain = 1",
     by_family<Steps>({refresh, r4, all, all_if}, {}, {})},
    {main_controls::Toggle5, "CP 3 State Off", "CP 3 State On",
     by_family<Steps>({refresh, r2, all_rf, all}, {refresh, r2, all_rf}, {r3, all_rf, refresh})},
    {main_controls::Toggle6, "CP 3 State Off", "CP 3 State On",
     by_family<Steps>({refresh, r6, all, all_if}, {refresh, send_all}, {})},
    {main_controls::Toggle7, "Counter Reset Disabled", "Counter Reset Enabled",
     every_family(Steps{refresh, r3, all_rf, all, all_if})},
    {main_controls::Toggle8, "CP 3State Off", "CP 3State On",
     every_family(Steps{refresh, r3, all_rf, all})},
    {main_controls::Toggle9, "RF Counter Reset Disabled", "RF Counter Reset Enabled",
     by_family<Steps>({refresh, r2, all_rf, all}, {refresh, r2}, {refresh, r3, all_rf})},
    {main_controls::Toggle10, "XO Enabled", "XO Disabled",
     by_family<Steps>({refresh, r3, all_rf, all, all_if}, {refresh, send_all}, {})},
    {main_controls::Toggle11, "LDP = 3", "LDP = 5", every_family(Steps{send_all})},
    {main_controls::Toggle12, "LDP = 3", "LDP = 5", every_family(Steps{send_all})},
    {main_controls::Toggle15, "RF Powerdown Disabled", "RF Powerdown Enabled",
     by_family<Steps>({refresh, r2, all_rf, all}, {refresh, r2}, {refresh, r3, all_rf})},
    {main_controls::Toggle16, "Fastlock Disabled", "Fastlock Enabled",
     every_family(Steps{refresh, r0, all_rf})},
    {main_controls::Toggle17, "Bleed Up Off", "Bleed Up On",
     by_family<Steps>({refresh, all, all_if}, {refresh, send_all}, {})},
    {main_controls::Toggle27, "IF LDP = 3", "IF LDP = 5",
     every_family(Steps{r6, all, all_if, refresh})},
    {main_controls::Toggle28, "RF Phase Resync Disabled", "RF Phase Resync Enabled",
     every_family(Steps{r6, all, all_if, refresh})},
    {main_controls::Toggle31, "LDP = 3", "LDP = 5",
     by_family<Steps>({refresh, r2, all_rf}, {refresh, r2, all_rf}, {refresh, r3, all_rf})},
    {main_controls::Toggle33, "RF AND IF Powerdown Disabled", "RF AND IF Powerdown Enabled",
     every_family(Steps{refresh, r3, all, all_if, all_rf})},
    {main_controls::Toggle34, "IF Powerdown Disabled", "IF Powerdown Enabled",
     every_family(Steps{refresh, r6, all, all_if})},
    {main_controls::Toggle36, "Enter", "Enter", every_family(Steps{refresh, r1, all_rf})},
    {main_controls::dec_sel_toggle, "DEC_SEL = 0", "DEC_SEL = 1", {}},
};

// Toggle14 doubles or halves the IF R counter besides storing its bit.
constexpr PerFamily<Steps> if_doubler_steps =
    by_family<Steps>({refresh, r5, all, all_if}, {refresh, send_all}, {});

const SwitchRow* row_of(std::string_view name) {
    for (const SwitchRow& row : switch_table) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

Family family(const SharedState& s) {
    return family_of(s.device_name);
}

} // namespace

PanelSwitches::PanelSwitches(MainForm& panel, Program& program, PanelDoors& doors)
    : panel_(panel), program_(program), doors_(doors) {
    for (const SwitchRow& row : switch_table) {
        auto& toggle = panel_.add<ToggleSwitch>(std::string(row.name), std::string(row.caption_off),
                                                std::string(row.caption_on));
        toggle.on_click = [this, name = row.name] { switch_clicked(name); };
    }
    panel_.get(main_controls::Toggle36).on_click = [this] { Toggle36_Click(); };
    panel_.add<ToggleSwitch>(main_controls::Toggle13, "Doubler Disabled", "Doubler Enabled")
        .on_click = [this] { doors_.open_rf_planner(); };
    panel_.add<ToggleSwitch>(main_controls::Toggle14, "Doubler Disabled", "Doubler Enabled")
        .on_click = [this] { Toggle14_Click(); };
    panel_.add<ToggleSwitch>(main_controls::Toggle32, "Program Fast Lock", "Fast Lock Programmed")
        .on_click = [this] { Toggle32_Click(); };
    // No handlers of their own.
    panel_.add<ToggleSwitch>(main_controls::Toggle18, "Bleed Down Off", "Bleed Down On");
    panel_.add<ToggleSwitch>(main_controls::Toggle35, "Spare Off", "Spare On");
}

void PanelSwitches::Toggle36_Click() {
    const SharedState& s = program_.state();
    const DeviceProfile& device = device_profile(s.device_name);
    // "Enter" confirms the typed phase: a number the phase field cannot carry
    // is refused here, where the user asks for it, and the phase stays.
    if (device.phase_register) {
        const std::optional<double> phase =
            parse_number(panel_.get(main_controls::phase_reg_textbox).text());
        if (phase) {
            if (const std::optional<FieldMisfit> misfit =
                    check_field(device, FieldId::phase, *phase)) {
                program_.beep();
                warn(program_,
                     misfit_text(*misfit, "The phase stays " + general_form(s.phase_value) + "."));
                return;
            }
        }
    }
    switch_clicked(main_controls::Toggle36);
}

void PanelSwitches::switch_clicked(std::string_view name) {
    const SwitchRow& row = *row_of(name);
    SharedState& s = program_.state();
    const SwitchField* field = switch_field(name);
    if (const std::optional<MemberValue> stored = field ? member_value(*field) : std::nullopt) {
        set_field(s, stored->member, panel_.get<ToggleSwitch>(name).state() ? stored->value : 0.0);
    }
    panel_.run_steps(row.steps.of(family(s)));
}

void PanelSwitches::Toggle14_Click() {
    SharedState& s = program_.state();
    ToggleSwitch& doubler = panel_.get(main_controls::Toggle14);
    const bool on = doubler.state();
    // Doubling the reference doubles R, so the IF comparison frequency stays.
    const auto r = on ? to_int32(2.0 * s.if_r) : to_int32(s.if_r / 2.0);
    if (!r) {
        program_.beep();
        doubler.set_state(!on);
        return;
    }
    // An R the counter cannot hold would spill into the doubler bit beside it.
    const std::optional<FieldMisfit> misfit =
        check_field(device_profile(s.device_name), FieldId::if_r_counter, *r);
    if (misfit) {
        program_.beep();
        warn(program_, misfit_text(*misfit, "Plan a higher IF reference frequency in the IF "
                                            "planner first."));
        doubler.set_state(!on);
        return;
    }
    s.if_ref_doubler = on ? bit_weight<int32_t>(18) : 0;
    s.if_r = *r;
    panel_.run_steps(if_doubler_steps.of(family(s)));
}

void PanelSwitches::Toggle32_Click() {
    SharedState& s = program_.state();
    const bool on = panel_.get(main_controls::Toggle32).state();
    const FastLockSwitch kind = device_profile(s.device_name).fast_lock_switch;
    if (!on) {
        s.load_control = 0.0;
        s.fastlock_5r = 0;
        if (kind != FastLockSwitch::field_only) {
            panel_.get(main_controls::Frame2).set_enabled(true);
            Toggle32_finish();
        }
        return;
    }
    s.load_control = p2(23);
    switch (kind) {
    case FastLockSwitch::field_only:
        return;
    case FastLockSwitch::csr_bit:
        s.fastlock_5r = bit_weight<int32_t>(28);
        break;
    case FastLockSwitch::timer_window:
        // The rest runs when the fast-lock window closes.
        doors_.open_fast_lock([this] {
            panel_.get(main_controls::Combo8).set_index(6);
            Toggle32_finish();
        });
        return;
    case FastLockSwitch::refresh_only:
        break;
    }
    Toggle32_finish();
}

void PanelSwitches::Toggle32_finish() {
    switch (device_profile(program_.state().device_name).fast_lock_switch) {
    case FastLockSwitch::timer_window:
        panel_.run_steps({refresh, r1, all_rf});
        break;
    case FastLockSwitch::csr_bit:
        panel_.run_steps({refresh, r2, all_rf});
        break;
    case FastLockSwitch::field_only:
    case FastLockSwitch::refresh_only:
        panel_.run_steps({refresh});
        break;
    }
}

} // namespace zqf
