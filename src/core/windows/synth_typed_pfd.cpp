// The RF planner's "Lock Time" and "reg 001" buttons: R derived from the
// typed PFD, then the dividers planned from it.
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
#include "core/windows/names/synth_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"
#include "core/windows/synth_form.h"

namespace zqf {

namespace {

constexpr int32_t doubler_on = bit_weight<int32_t>(19);

// "Lock Time" and "reg 001" derive R from the typed PFD.
constexpr FieldId typed_pfd_fields[] = {FieldId::r_counter, FieldId::int_val, FieldId::mod,
                                        FieldId::frac};

constexpr FieldAdvice typed_pfd_advice[] = {
    {FieldId::r_counter, "Enter a higher PFD: R is the reference frequency divided by the PFD.",
     "Enter a positive PFD."},
    {FieldId::int_val, "Enter a lower RF output frequency or a higher PFD.",
     "Enter a positive RF output frequency and PFD."},
    {FieldId::mod, "Use a larger channel step: MOD is the PFD divided by the step.",
     "Enter a positive channel step."},
    {FieldId::frac, "Use a larger channel step.", "Enter a positive channel step."},
};

} // namespace

void SynthForm::Command6_Click() {
    derive_r_from_pfd(0);
}

void SynthForm::Command7_Click() {
    derive_r_from_pfd(1);
}

void SynthForm::derive_r_from_pfd(int register_index) {
    const PlanUndo undo(program_);
    if (!plan_from_typed_pfd()) {
        undo.restore();
        return;
    }
    program_.link().send(register_index);
}

bool SynthForm::plan_from_typed_pfd() {
    SharedState& s = state();
    const std::optional<double> rf = scaled(synth_controls::Text1, 1e6);
    if (!rf) {
        refuse();
        return false;
    }
    s.rf_freq = round15(*rf);
    const std::optional<double> pfd = scaled(synth_controls::Text2, 1000.0);
    if (!pfd) {
        refuse();
        return false;
    }
    s.pfd_freq = *pfd;
    const std::optional<double> step = scaled(synth_controls::Text3, 1000.0);
    if (!step) {
        refuse();
        return false;
    }
    s.chan_step = *step;

    const double reference = s.doubler_field == doubler_on ? s.refin_freq * 2.0 : s.refin_freq;
    const std::optional<double> ratio = quotient(reference, s.pfd_freq);
    const std::optional<int16_t> r = ratio ? to_int16(*ratio) : std::nullopt;
    if (!r) {
        refuse();
        return false;
    }
    s.r_count = *r;
    if (s.r_count == 0) {
        // No PFD comes of R = 0: nothing is planned or written.
        warn(program_, "Warning. The RF R register must be >= 1. Change the PFD accordingly.");
        set_text(synth_controls::Text2, "");
        set_focus(synth_controls::Text2);
        return false;
    }
    // The same division on every device: the fixed modulus plays no part here.
    const std::optional<DividerPlan> plan = plan_dividers(s.rf_freq, s.pfd_freq, s.chan_step);
    if (!plan) {
        refuse();
        return false;
    }
    s.int_val = plan->int_val;
    // The ZQF7350 keeps its own fraction, over the fixed modulus, in these two.
    if (!has_fixed_modulus()) {
        s.mod_val = plan->mod_val;
        s.frac_val = plan->frac_val;
    }
    set_text(synth_controls::Text1, format_template(s.rf_freq / 1e6, ".000000"));
    set_caption(synth_controls::Label25, general_form(s.int_val));
    set_caption(synth_controls::Label27, general_form(s.rf_freq / s.pfd_freq));
    if (!no_objection(program_, channel_grid_misfit(s.pfd_freq, s.chan_step)) ||
        !fields_fit(program_, typed_pfd_fields, typed_pfd_advice)) {
        return false;
    }
    const std::optional<SenseFault> fault = divider_sense(s);
    return no_objection(program_, fault ? std::optional<std::string>(fault->text) : std::nullopt);
}

} // namespace zqf
