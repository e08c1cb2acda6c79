#include "core/windows/spur_opt_form.h"

#include "core/text/number_text.h"
#include "core/tools/phase_sweep.h"
#include "core/windows/exerciser_support.h"
#include "core/windows/main_form.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/spur_opt_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

constexpr FieldAdvice phase_sweep_advice[] = {
    {FieldId::int_val, "Enter an output frequency the dividers can reach, or plan a higher PFD.",
     "Enter a positive output frequency."},
    mod_advice,
    frac_advice,
    {FieldId::phase, "Enter another phase value.", "Enter a phase value of 0 or more."},
};

} // namespace

SpurOptForm::SpurOptForm(Program& program)
    : Form(program, std::string(form_name(FormId::spur_opt)), "Spurious Optimisation Sweep"),
      program_(program) {
    label(spur_opt_controls::Label1, "Output Frequency (MHz):");
    add<TextBox>(spur_opt_controls::fvco_box);
    label(spur_opt_controls::Label2, "Phase Value:");
    add<TextBox>(spur_opt_controls::phase_value_box, "0");
    label(spur_opt_controls::Label3, "Sweep Rate(ms):");
    add<TextBox>(spur_opt_controls::sweep_rate_box, "1000");
    add<ProgressBar>(spur_opt_controls::phase_progress);
    label(spur_opt_controls::Label4,
          "This function sweeps the PHASE value from 0 to MOD-1. It can be used to find "
          "the value that gives best spurious performance on each channel. See the "
          "ZQF7340 datasheet for more information.");
    button(spur_opt_controls::Command1, "Start Sweep").on_click = [this] { Command1_Click(); };
    button(spur_opt_controls::Command2, "Stop Sweep").on_click = [this] { Command2_Click(); };
    button(spur_opt_controls::Command4, "Up One Channel").on_click = [this] { Command4_Click(); };
    button(spur_opt_controls::Command5, "Down One Channel").on_click = [this] { Command5_Click(); };
    button(spur_opt_controls::Command3, "Exit").on_click = [this] { Command3_Click(); };
    Timer& timer = add<Timer>(spur_opt_controls::Timer1);
    timer.on_timer = [this] { Timer1_Timer(); };
    timer.holds = [this] { return phase_sweep_holds(program_.state()); };
}

void SpurOptForm::load() {
    get(spur_opt_controls::fvco_box).set_text(general_form(program_.state().rf_freq / 1e6));
}

void SpurOptForm::Command1_Click() {
    SharedState& s = program_.state();
    Timer& timer = get(spur_opt_controls::Timer1);
    const std::optional<int> rate =
        timer_rate(*this, spur_opt_controls::sweep_rate_box, RateWidth::bits32);
    const std::optional<double> phase = entry_value(*this, spur_opt_controls::phase_value_box);
    const std::optional<double> rf = scaled_entry(*this, spur_opt_controls::fvco_box, 1e6);
    if (!rate || !phase || !rf) {
        stop_with_beep(program_, timer);
        return;
    }
    // Nothing is written here: the first tick writes the next phase.
    if (stopped_by(program_, timer, start_phase_sweep(s, *phase, *rf), phase_sweep_advice)) {
        return;
    }
    get(spur_opt_controls::phase_progress).set_range(s.phase_value, s.mod_val - 1.0);
    show_progress();
    timer.set_interval(*rate);
    timer.start();
}

void SpurOptForm::Command2_Click() {
    get(spur_opt_controls::Timer1).set_timer_enabled(false);
}

void SpurOptForm::Command4_Click() {
    step(1.0);
}

void SpurOptForm::Command5_Click() {
    step(-1.0);
}

void SpurOptForm::step(double direction) {
    SharedState& s = program_.state();
    const TickOutcome outcome = step_channel(s, direction);
    if (outcome.misfit) {
        warn_misfit(program_, *outcome.misfit, phase_sweep_advice);
        return;
    }
    if (outcome.kind != TickKind::stored) {
        program_.beep();
        if (!outcome.reason.empty()) {
            warn(program_, outcome.reason);
        }
        return;
    }
    program_.link().send(0);
    get(spur_opt_controls::fvco_box).set_text(general_form(s.rf_freq / 1e6));
}

void SpurOptForm::Command3_Click() {
    SharedState& s = program_.state();
    MainForm* main = program_.main_form();
    if (main != nullptr) {
        main->get(main_controls::phase_reg_textbox).set_text(general_form(s.phase_value));
    }
    get(spur_opt_controls::Timer1).set_timer_enabled(false);
    if (main != nullptr) {
        main->refresh_registers();
    }
    close();
}

void SpurOptForm::Timer1_Timer() {
    const TickOutcome outcome = phase_tick(program_.state());
    if (outcome.kind == TickKind::holding ||
        stopped_by(program_, get(spur_opt_controls::Timer1), outcome, phase_sweep_advice)) {
        return;
    }
    program_.link().send(1);
    program_.link().send(0);
    get(spur_opt_controls::phase_value_box).set_text(general_form(program_.state().phase_value));
    show_progress();
}

void SpurOptForm::show_progress() {
    const SharedState& s = program_.state();
    get(spur_opt_controls::phase_progress)
        .set_value(s.phase_value,
                   general_form(s.phase_value) + " of " + general_form(s.mod_val - 1.0));
}

} // namespace zqf
