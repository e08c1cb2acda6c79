#include "core/windows/lock_time_form.h"

#include "core/text/number_text.h"
#include "core/tools/exerciser_profile.h"
#include "core/tools/lock_time_hop.h"
#include "core/windows/exerciser_support.h"
#include "core/windows/main_form.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/lock_time_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

constexpr FieldAdvice hop_advice[] = {
    {FieldId::int_val, "Enter hop frequencies the dividers can reach, or plan a higher PFD.",
     "Enter positive hop frequencies."},
    mod_advice,
    frac_advice,
};

} // namespace

LockTimeForm::LockTimeForm(Program& program)
    : Form(program, std::string(form_name(FormId::lock_time)), "LockTime"), program_(program) {
    label(lock_time_controls::Label1, "Enter Start Frequency (MHz):");
    add<TextBox>(lock_time_controls::Text1, "1750");
    label(lock_time_controls::Label2, "Enter Stop Frequency (MHz):");
    add<TextBox>(lock_time_controls::Text2, "1752");
    label(lock_time_controls::Label3, "Enter Frequency of jumps: (msecs)");
    add<TextBox>(lock_time_controls::Text3, "1000");
    label(lock_time_controls::Label4,
          "Note: This window exercises the synthesizer to jump between two frequencies, to aid "
          "lock time measurements. To change any setting after the start button has been "
          "pressed, press the stop button, make the changes, and then press start again. To edit "
          "the PFD frequency or channel spacing, exit this window, change the settings, and "
          "return to this window.");
    label(lock_time_controls::Label5, "Programmed by the last hop (MHz):");
    label(lock_time_controls::hop_frequency);
    label(lock_time_controls::Label6, "Hops since Start:");
    label(lock_time_controls::hop_count, "0");
    button(lock_time_controls::Command1, "Start").on_click = [this] { Command1_Click(); };
    button(lock_time_controls::Command3, "Stop").on_click = [this] { Command3_Click(); };
    button(lock_time_controls::Command2, "Cancel").on_click = [this] { Command2_Click(); };
    add<Timer>(lock_time_controls::Timer1).on_timer = [this] { Timer1_Timer(); };
}

void LockTimeForm::load() {
    const SharedState& s = program_.state();
    if (s.hop_used == 1) {
        get(lock_time_controls::hop_frequency).set_caption(general_form(s.hop_current));
    }
}

void LockTimeForm::take_last_frequencies() {
    const SharedState& s = program_.state();
    const bool hopped = s.hop_used == 1;
    get(lock_time_controls::Text1).set_text(hopped ? general_form(s.hop_last_f1) : "1850");
    get(lock_time_controls::Text2).set_text(hopped ? general_form(s.hop_last_f2) : "1860");
}

void LockTimeForm::Command1_Click() {
    Timer& timer = get(lock_time_controls::Timer1);
    const std::optional<int> rate = timer_rate(*this, lock_time_controls::Text3, RateWidth::bits16);
    if (!rate) {
        stop_with_beep(program_, timer);
        return;
    }
    hops_ = 0;
    show_hops();
    timer.set_interval(*rate);
    timer.start();
}

void LockTimeForm::Command3_Click() {
    get(lock_time_controls::Timer1).set_timer_enabled(false);
}

void LockTimeForm::Command2_Click() {
    get(lock_time_controls::Timer1).set_timer_enabled(false);
    close();
}

void LockTimeForm::Timer1_Timer() {
    SharedState& s = program_.state();
    Timer& timer = get(lock_time_controls::Timer1);
    const std::optional<double> f1 = entry_value(*this, lock_time_controls::Text1);
    const std::optional<double> f2 = entry_value(*this, lock_time_controls::Text2);
    if (!f1 || !f2) {
        stop_with_beep(program_, timer);
        return;
    }
    if (stopped_by(program_, timer, hop_tick(s, *f1, *f2), hop_advice)) {
        return;
    }
    if (MainForm* main = program_.main_form()) {
        main->refresh_registers();
    }
    for (const int index : exerciser_profile(s.device_name).tick_writes) {
        program_.link().send(index);
    }
    ++hops_;
    show_hops();
    get(lock_time_controls::hop_frequency).set_caption(general_form(s.hop_current));
}

void LockTimeForm::show_hops() {
    get(lock_time_controls::hop_count).set_caption(std::to_string(hops_));
}

} // namespace zqf
