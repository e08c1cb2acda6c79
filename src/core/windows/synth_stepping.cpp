// Channel stepping in the RF planner: one channel up or down, then the plan
// written again. The new frequency is divided afresh, so crossing a multiple
// of the PFD moves INT by one and FRAC wraps without code of its own.
#include "core/planning/arithmetic.h"
#include "core/planning/dividers.h"
#include "core/planning/grid_note.h"
#include "core/state/device_profile.h"
#include "core/windows/names/synth_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"
#include "core/windows/synth_form.h"

namespace zqf {

void SynthForm::Command11_Click() {
    step_normal(1.0);
}

void SynthForm::Command10_Click() {
    step_normal(-1.0);
}

void SynthForm::Command4_Click() {
    step_lcd(1.0);
}

void SynthForm::Command5_Click() {
    step_lcd(-1.0);
}

void SynthForm::step_normal(double direction) {
    // The step stores before the update it ends with; a refusal on either
    // side puts everything back.
    const PlanUndo undo(program_);
    SharedState& s = state();
    const std::optional<double> base = scaled(synth_controls::Text1, 1e6);
    if (!base) {
        refuse();
        return;
    }
    // The ZQF7350 steps by one unit of its 25-bit fraction at the PFD it has.
    const std::optional<double> step = has_fixed_modulus()
                                           ? std::optional<double>(s.pfd_freq / fixed_modulus)
                                           : scaled(synth_controls::Text3, 1000.0);
    const std::optional<double> rf = step ? finite(*base + direction * *step) : std::nullopt;
    if (!rf) {
        refuse();
        return;
    }
    s.rf_freq = *rf;
    s.chan_step = *step;
    if (!take_reference_path() || !compute_dividers(s)) {
        undo.restore();
        refuse();
        return;
    }
    if (!plan_sound(!has_fixed_modulus())) {
        undo.restore();
        return;
    }
    show_plan();
    // The update reads the stepped frequency back from the window, so it is
    // planned and written at the resolution the window shows.
    const Update update = normal_update();
    if (update == Update::refused || update == Update::unsound) {
        undo.restore();
    }
}

void SynthForm::step_lcd(double direction) {
    const PlanUndo undo(program_);
    if (!plan_lcd_step(direction)) {
        undo.restore();
        return;
    }
    const SharedState& s = state();
    set_caption(synth_controls::grid_note,
                grid_note(s.rf_freq, planned_output_hz(s).value_or(s.rf_freq), s.chan_step));
    carry_out(program_, device_profile(s.device_name).lcd_update_writes);
}

bool SynthForm::plan_lcd_step(double direction) {
    SharedState& s = state();
    const std::optional<double> base = scaled(synth_controls::Text1, 1e6);
    const std::optional<double> step = scaled(synth_controls::Text3, 1000.0);
    const std::optional<double> rf =
        base && step ? finite(*base + direction * *step) : std::nullopt;
    if (!rf) {
        refuse();
        return false;
    }
    s.rf_freq = *rf;
    // The PFD as the window shows it, also when it was typed by hand.
    const std::optional<double> pfd = scaled(synth_controls::Text2, 1000.0);
    if (!pfd) {
        refuse();
        return false;
    }
    s.pfd_freq = *pfd;
    s.chan_step = *step;
    if (!compute_dividers(s)) {
        refuse();
        return false;
    }
    // No limit test here; but the plan must fit and make sense before the
    // reduction, which keeps it on its grid.
    if (!plan_sound(true)) {
        return false;
    }
    reduce_fraction(s);
    if (!show_reduced_plan()) {
        refuse();
        return false;
    }
    return true;
}

} // namespace zqf
