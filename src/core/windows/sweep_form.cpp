#include "core/windows/sweep_form.h"

#include "core/text/number_text.h"
#include "core/tools/exerciser_profile.h"
#include "core/tools/frequency_sweep.h"
#include "core/windows/exerciser_support.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/sweep_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

std::string mhz(double hz) {
    return general_form(hz / 1e6) + " MHz";
}

constexpr FieldAdvice sweep_advice[] = {
    {FieldId::int_val, "The sweep stops here: choose a lower stop frequency, or plan a higher PFD.",
     "Choose positive start and stop frequencies."},
    mod_advice,
    frac_advice,
};

} // namespace

SweepForm::SweepForm(Program& program)
    : Form(program, std::string(form_name(FormId::sweep)), "Sweepform"), program_(program) {
    frame(sweep_controls::Frame1, "Enter Start and Stop Frequency");
    label(sweep_controls::Label1, "Start");
    add<TextBox>(sweep_controls::Text1, "1750");
    label(sweep_controls::Label2, "Stop");
    add<TextBox>(sweep_controls::Text3, "1752");
    frame(sweep_controls::Frame2, "Enter rate of sweep (msecs per jump)");
    add<TextBox>(sweep_controls::Text4, "2000");
    label(sweep_controls::Label3, "Note: sweep rate is not exact.");
    add<ProgressBar>(sweep_controls::sweep_progress);
    button(sweep_controls::Command3, "Start").on_click = [this] { Command3_Click(); };
    button(sweep_controls::Command4, "Stop").on_click = [this] { Command4_Click(); };
    button(sweep_controls::Command2, "Cancel").on_click = [this] { Command2_Click(); };
    add<Timer>(sweep_controls::Timer1).on_timer = [this] { Timer1_Timer(); };
}

void SweepForm::Command3_Click() {
    Timer& timer = get(sweep_controls::Timer1);
    const std::optional<int> rate = timer_rate(*this, sweep_controls::Text4, RateWidth::bits16);
    const std::optional<double> start = scaled_entry(*this, sweep_controls::Text1, 1e6);
    const std::optional<double> stop = scaled_entry(*this, sweep_controls::Text3, 1e6);
    if (!rate || !start || !stop) {
        stop_with_beep(program_, timer);
        return;
    }
    start_sweep(program_.state(), *start, *stop);
    auto& progress = get(sweep_controls::sweep_progress);
    progress.set_range(*start, *stop);
    progress.set_value(*start, {});
    timer.set_interval(*rate);
    timer.start();
}

void SweepForm::Command4_Click() {
    get(sweep_controls::Timer1).set_timer_enabled(false);
}

void SweepForm::Command2_Click() {
    get(sweep_controls::Timer1).set_timer_enabled(false);
    close();
}

void SweepForm::Timer1_Timer() {
    SharedState& s = program_.state();
    Timer& timer = get(sweep_controls::Timer1);
    auto& progress = get(sweep_controls::sweep_progress);
    const TickOutcome tick = sweep_tick(s);
    if (stopped_by(program_, timer, tick, sweep_advice)) {
        return;
    }
    if (tick.kind == TickKind::finished) {
        timer.set_timer_enabled(false);
        show_on_main(program_, main_controls::vcofreq,
                     format_template(s.rf_freq / 1e6, "#0.00000") + "MHz");
        progress.set_value(sweep_position(s), progress.text());
        return;
    }
    for (const int index : exerciser_profile(s.device_name).tick_writes) {
        program_.link().send(index);
    }
    const double position = sweep_position(s);
    get(sweep_controls::Text3).set_text(general_form(sweep_stop(s) / 1e6));
    get(sweep_controls::Text1).set_text(general_form(position / 1e6));
    progress.set_value(position, mhz(position));
}

} // namespace zqf
