// The RF planner's updates: Normal mode, LCD mode, and the reference switches. A step that meets an
// entry it cannot use, or an arithmetic fault, ends its handler with a beep; what the steps before
// it stored stays.
#include "core/planning/arithmetic.h"
#include "core/planning/channel_grid.h"
#include "core/planning/dividers.h"
#include "core/planning/grid_note.h"
#include "core/planning/limits.h"
#include "core/registers/member_domain.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"
#include "core/text/number_text.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/synth_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"
#include "core/windows/synth_form.h"

namespace zqf {

namespace {

constexpr int32_t doubler_on = bit_weight<int32_t>(19);
constexpr int32_t doubler_5_on = bit_weight<int32_t>(20);
constexpr int32_t rdiv2_on = bit_weight<int32_t>(21);

// The divider fields an update stores, in the order a refusal names them:
// the typed R before what follows from it. The map of each device places only
// some of them (the ZQF7350 has no MOD or FRAC, the others no fraction halves).
constexpr FieldId planned_fields[] = {FieldId::r_counter, FieldId::int_val,  FieldId::mod,
                                      FieldId::frac,      FieldId::frac_msb, FieldId::frac_lsb};

constexpr FieldAdvice plan_advice[] = {
    {FieldId::r_counter, "Enter a smaller R.", "Enter a positive R."},
    {FieldId::int_val,
     "Enter a lower RF output frequency, or raise the PFD with a smaller R or the doubler.",
     "Enter a positive RF output frequency and reference frequency."},
    {FieldId::mod, "Use a larger channel step: MOD is the PFD divided by the step.",
     "Enter a positive channel step."},
    {FieldId::frac, "Use a larger channel step.", "Enter a positive channel step."},
    {FieldId::frac_msb, "Change the RF output frequency or the PFD.",
     "Change the RF output frequency or the PFD."},
    {FieldId::frac_lsb, "Change the RF output frequency or the PFD.",
     "Change the RF output frequency or the PFD."},
};

std::string mhz(double hz) {
    return format_template(hz / 1e6, "#0.00000") + "MHz";
}
std::string khz(double hz) {
    return format_template(hz / 1000.0, "#0.00000") + "kHz";
}

} // namespace

void SynthForm::Command3_Click() {
    normal_update();
}

SynthForm::Update SynthForm::normal_update() {
    const PlanUndo undo(program_);
    const Update update = plan_normal();
    if (update == Update::refused || update == Update::unsound) {
        undo.restore();
    }
    return update;
}

SynthForm::Update SynthForm::plan_normal() {
    SharedState& s = state();
    set_caption(synth_controls::grid_note, "");
    const std::optional<double> typed_rf = scaled(synth_controls::Text1, 1e6);
    if (!typed_rf) {
        refuse();
        return Update::refused;
    }
    s.rf_freq = round15(*typed_rf);
    if (has_fixed_modulus()) {
        // One unit of the fixed modulus at the PFD this update starts from.
        s.chan_step = s.pfd_freq / fixed_modulus;
        s.rf_freq = *typed_rf;
    } else {
        const std::optional<double> step = scaled(synth_controls::Text3, 1000.0);
        if (!step) {
            refuse();
            return Update::refused;
        }
        s.chan_step = *step;
    }
    if (!take_reference_path() || !compute_dividers(s)) {
        refuse();
        return Update::refused;
    }
    // A value its field cannot carry would spill into the neighbouring bits;
    // a plan off the step's grid or without a fraction is no plan at all.
    if (!plan_sound(!has_fixed_modulus())) {
        return Update::unsound;
    }
    show_plan();
    // A plan beyond the device's limits stays stored and shown, unwritten.
    if (const std::optional<LimitFailure> failure = check_limits(s)) {
        program_.beep();
        warn(program_, failure->message);
        if (!failure->focus.empty()) {
            set_focus(std::string(failure->focus));
        }
        return Update::limit_failed;
    }
    const double wanted = has_fixed_modulus() ? *typed_rf : round15(*typed_rf);
    set_caption(synth_controls::grid_note,
                grid_note(wanted, planned_output_hz(s).value_or(wanted), s.chan_step));
    carry_out(program_, device_profile(s.device_name).normal_update_writes);
    return Update::completed;
}

bool SynthForm::take_reference_path() {
    SharedState& s = state();
    const std::optional<double> reference = scaled(synth_controls::Text4, 1e6);
    if (!reference) {
        return false;
    }
    s.refin_freq = *reference;
    const std::optional<double> r_entry = entry(synth_controls::Text5);
    const std::optional<int16_t> r = r_entry ? to_int16(*r_entry) : std::nullopt;
    if (!r) {
        return false;
    }
    s.r_count = *r;

    const bool doubled = get(synth_controls::Toggle1).state();
    s.doubler_field_5 = doubled ? doubler_5_on : 0;
    s.doubler_field = doubled ? doubler_on : 0;
    set_caption(synth_controls::Label29, doubled ? "Doubler Enabled" : "Doubler Disabled");
    const std::optional<double> pfd =
        quotient(doubled ? s.refin_freq + s.refin_freq : s.refin_freq, s.r_count);
    if (!pfd) {
        return false;
    }
    s.pfd_freq = *pfd;
    set_text(synth_controls::Text2, general_form(s.pfd_freq / 1000.0));

    const bool halved = get(synth_controls::Toggle2).state();
    s.rdiv2_field = halved ? rdiv2_on : 0;
    set_caption(synth_controls::Label7, halved ? "Ref/2 Enabled" : "Ref/2 Disabled");
    if (halved) {
        s.pfd_freq = s.pfd_freq / 2.0;
    }
    set_text(synth_controls::Text2, general_form(s.pfd_freq / 1000.0));
    return true;
}

void SynthForm::show_plan() {
    if (has_fixed_modulus()) {
        show_fixed_modulus_plan();
        return;
    }
    const SharedState& s = state();
    show_on_main(program_, main_controls::vcofreq, mhz(s.rf_freq));
    show_on_main(program_, main_controls::ref_freq, khz(s.pfd_freq));
    show_on_main(program_, main_controls::modulus, general_form(s.mod_val));
    show_on_main(program_, main_controls::fraclabel, khz(s.chan_step));
    show_on_main(program_, main_controls::crystal, mhz(s.refin_freq));
    show_on_main(program_, main_controls::crystalIF, mhz(s.refin_freq));
    set_text(synth_controls::Text1, format_template(s.rf_freq / 1e6, ".000000"));
    set_caption(synth_controls::Label25, general_form(s.int_val));
    set_caption(synth_controls::Label24, general_form(s.mod_val));
    set_caption(synth_controls::Label23, general_form(s.frac_val));
    set_caption(synth_controls::Label22, std::to_string(s.prescaler_p));
    set_caption(synth_controls::Label27, general_form(s.rf_freq / s.pfd_freq));
    set_caption(synth_controls::Label17, std::to_string(s.r_count));
}

void SynthForm::show_fixed_modulus_plan() {
    SharedState& s = state();
    // What the dividers really give, not what was typed.
    s.rf_freq = synthesised_fixed_modulus_rf(s);
    show_on_main(program_, main_controls::vcofreq, general_form(s.rf_freq / 1e6) + "MHz");
    show_on_main(program_, main_controls::ref_freq, khz(s.pfd_freq));
    show_on_main(program_, main_controls::modulus, "25-bit fixed");
    show_on_main(program_, main_controls::fraclabel,
                 format_template(s.chan_step, "#0.00000") + "Hz");
    show_on_main(program_, main_controls::crystal, mhz(s.refin_freq));
    show_on_main(program_, main_controls::crystalIF, mhz(s.refin_freq));
    set_text(synth_controls::Text1, general_form(s.rf_freq / 1e6));
    set_text(synth_controls::Text3, general_form(s.chan_step));
    set_caption(synth_controls::Label25, general_form(s.int_val));
    set_caption(synth_controls::Label24, "25-bit fixed");
    set_caption(synth_controls::Label23, general_form(fraction25(s)));
    set_caption(synth_controls::Label22, std::to_string(s.prescaler_p));
    set_caption(synth_controls::Label27, general_form(s.rf_freq / s.pfd_freq));
    set_caption(synth_controls::Label17, std::to_string(s.r_count));
}

void SynthForm::Command8_Click() {
    // The reduction and its writes follow the Normal-mode update, also after
    // its warning about a limit or a plan its fields cannot carry (reduced,
    // the plan may fit) and after an entry it could not use.
    const PlanUndo undo(program_);
    if (plan_normal() == Update::refused) {
        // The entry it could not use stored nothing; the steps below follow
        // on the plan as it stands.
        undo.restore();
    }
    reduce_fraction(state());
    if (!show_reduced_plan()) {
        undo.restore();
        refuse();
        return;
    }
    // The reduced plan is written only where it fits and makes sense; a
    // warning has been shown already, so one more beep says that nothing went
    // out and nothing is stored.
    const SharedState& s = state();
    if (check_stored_fields(s, planned_fields) || divider_sense(s) ||
        (!has_fixed_modulus() && channel_grid_misfit(s.pfd_freq, s.chan_step))) {
        undo.restore();
        refuse();
        return;
    }
    carry_out(program_, device_profile(s.device_name).lcd_update_writes);
}

bool SynthForm::show_reduced_plan() {
    const SharedState& s = state();
    const std::optional<double> n = quotient(s.rf_freq, s.pfd_freq);
    if (!n) {
        return false;
    }
    set_text(synth_controls::Text1, format_template(s.rf_freq / 1e6, ".000000"));
    set_caption(synth_controls::Label25, general_form(s.int_val));
    set_caption(synth_controls::Label24, general_form(s.mod_val));
    set_caption(synth_controls::Label23, general_form(s.frac_val));
    set_caption(synth_controls::Label22, std::to_string(s.prescaler_p));
    set_caption(synth_controls::Label27, general_form(*n));
    return true;
}

void SynthForm::Toggle1_Click() {
    reference_switch_flipped();
}

void SynthForm::Toggle2_Click() {
    reference_switch_flipped();
}

bool SynthForm::plan_fits() {
    return fields_fit(program_, planned_fields, plan_advice);
}

bool SynthForm::plan_sound(bool counts_steps) {
    const SharedState& s = state();
    // A PFD beyond the phase detector's reach is the limit's to report.
    if (counts_steps && s.pfd_freq <= max_pfd_hz &&
        !no_objection(program_, channel_grid_misfit(s.pfd_freq, s.chan_step))) {
        return false;
    }
    if (!plan_fits()) {
        return false;
    }
    const std::optional<SenseFault> fault = divider_sense(s);
    return no_objection(program_, fault ? std::optional<std::string>(fault->text) : std::nullopt);
}

void SynthForm::reference_switch_flipped() {
    // R2 holds the reference path, so it is written once more, also after a
    // limit warning, if its own fields fit; an update refused for a bad entry
    // writes nothing.
    const Update update = normal_update();
    if (update == Update::refused || update == Update::unsound ||
        family_of(state().device_name) == Family::none) {
        return;
    }
    if (check_register_fields(state(), 2)) {
        refuse();
        return;
    }
    program_.link().send(2);
}

} // namespace zqf
