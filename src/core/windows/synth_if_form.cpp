#include "core/windows/synth_if_form.h"

#include "core/planning/arithmetic.h"
#include "core/planning/channel_grid.h"
#include "core/planning/if_counters.h"
#include "core/registers/member_domain.h"
#include "core/text/convert.h"
#include "core/text/number_text.h"
#include "core/windows/main_form.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/synth_if_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

constexpr std::string_view bad_vco = "Invalid entry in VCO Frequency.";
constexpr std::string_view bad_reference = "Invalid entry in reference frequency.";

// Register (1,0,0) holds B and A, register (1,0,1) holds R.
constexpr int counters_register = 4;
constexpr int reference_register = 5;

// The counters a button stores, in the order a refusal names them.
constexpr FieldId counter_fields[] = {FieldId::if_r_counter, FieldId::if_b, FieldId::if_a};

constexpr FieldAdvice counter_advice[] = {
    {FieldId::if_r_counter,
     "Enter a higher reference frequency: R is the REF IN frequency divided by it.",
     "Enter a positive reference frequency."},
    {FieldId::if_b,
     "Enter a lower VCO frequency or a higher reference frequency, or choose a larger IF "
     "prescaler on the main window.",
     "Enter a positive VCO frequency."},
    {FieldId::if_a, "Enter a lower VCO frequency.", "Enter a positive VCO frequency."},
};

} // namespace

SynthIfForm::SynthIfForm(Program& program)
    : Form(program, std::string(form_name(FormId::synth_if)), "IF Output Frequency"),
      program_(program) {
    label(synth_if_controls::Label1, "Enter the desired VCO output frequency (MHz):");
    add<TextBox>(synth_if_controls::Text1);
    label(synth_if_controls::Label2, "Enter the desired reference frequency (kHz):");
    add<TextBox>(synth_if_controls::Text2);
    button(synth_if_controls::Command3,
           "Update Reg (1,0,0). Click here when the VCO Output Frequency has been changed")
        .on_click = [this] { Command3_Click(); };
    button(synth_if_controls::Command1,
           "Update Reg (1,0,0) and Reg (1,0,1). Click here when the PFD Frequency "
           "has been changed")
        .on_click = [this] { Command1_Click(); };
    frame(synth_if_controls::Frame1, "Single channel jump");
    button(synth_if_controls::Command4, "Increment by one channel space. Update Reg (1,0,0)")
        .on_click = [this] { Command4_Click(); };
    button(synth_if_controls::Command5, "Decrement by one channel space. Update Reg (1,0,0)")
        .on_click = [this] { Command5_Click(); };
    // The legends, each followed by the label that shows its value.
    label(synth_if_controls::Label7, "N:");
    label(synth_if_controls::Label3);
    label(synth_if_controls::Label8, "P:");
    label(synth_if_controls::Label4);
    label(synth_if_controls::Label9, "B:");
    label(synth_if_controls::Label5);
    label(synth_if_controls::Label10, "A:");
    label(synth_if_controls::Label6);
    label(synth_if_controls::Label11,
          "Clicking the Load Now, Increment or Decrement buttons will calculate the "
          "new B and A value and program the relevant register. ");
    button(synth_if_controls::Command2, "Return to Main Interface").on_click = [this] { close(); };
}

void SynthIfForm::load() {
    const SharedState& s = program_.state();
    get(synth_if_controls::Text1).set_text(format_template(s.if_vco_freq, ".000000"));
    get(synth_if_controls::Text2).set_text(format_template(s.if_pfd_freq, ".000000"));
}

void SynthIfForm::Command3_Click() {
    load_counters();
}

void SynthIfForm::Command1_Click() {
    if (load_counters()) {
        program_.link().send(reference_register);
    }
}

void SynthIfForm::Command4_Click() {
    step(1.0);
}

void SynthIfForm::Command5_Click() {
    step(-1.0);
}

void SynthIfForm::reject_entry(ControlName<TextBox> text_box, std::string_view message) {
    program_.beep();
    warn(program_, message);
    get(text_box).set_text("");
    set_focus(text_box);
}

std::optional<SynthIfForm::Wanted> SynthIfForm::read_wanted(double channels) {
    const std::optional<double> vco = scaled_entry(*this, synth_if_controls::Text1, 1e6);
    if (!vco) {
        reject_entry(synth_if_controls::Text1, bad_vco);
        return std::nullopt;
    }
    const std::optional<double> pfd = scaled_entry(*this, synth_if_controls::Text2, 1000.0);
    // One channel is one comparison period: the step equals the IF PFD.
    const std::optional<double> moved = pfd ? finite(*vco + channels * *pfd) : std::nullopt;
    if (!moved) {
        reject_entry(synth_if_controls::Text2, bad_reference);
        return std::nullopt;
    }
    return Wanted{*moved, *pfd};
}

bool SynthIfForm::store_counters(const Wanted& wanted) {
    SharedState& s = program_.state();
    // An R rounded to the nearest whole number would compare at another
    // frequency than the one N is planned for.
    if (!no_objection(program_, if_reference_misfit(s.refin_freq, wanted.pfd_hz))) {
        return false;
    }
    const std::optional<double> r_ratio = quotient(s.refin_freq, wanted.pfd_hz);
    const std::optional<int32_t> r = r_ratio ? to_int32(*r_ratio) : std::nullopt;
    if (!r) {
        reject_entry(synth_if_controls::Text2, bad_reference);
        return false;
    }
    s.if_r = *r;
    const std::optional<double> n_ratio = quotient(wanted.vco_hz, wanted.pfd_hz);
    const std::optional<int32_t> n = n_ratio ? to_int32(*n_ratio) : std::nullopt;
    if (!n) {
        reject_entry(synth_if_controls::Text2, bad_reference);
        return false;
    }
    s.if_n = *n;
    const std::optional<SwallowCounters> counters = split_counter(s.if_n, s.if_prescaler);
    if (!counters) {
        reject_entry(synth_if_controls::Text2, bad_reference);
        return false;
    }
    s.if_b = counters->b;
    s.if_a = counters->a;
    s.if_pfd_freq = round15(wanted.pfd_hz / 1000.0);
    return true;
}

bool SynthIfForm::load_counters() {
    // A refused load stores nothing.
    const PlanUndo undo(program_);
    const std::optional<Wanted> wanted = read_wanted(0.0);
    if (!wanted || !store_counters(*wanted)) {
        undo.restore();
        return false;
    }
    SharedState& s = program_.state();
    // The frequency the counters really give, which differs from the entry
    // when it is no whole multiple of the PFD.
    const auto n = static_cast<int64_t>(s.if_b) * s.if_prescaler + s.if_a;
    s.if_vco_freq = round15(static_cast<double>(n) * wanted->pfd_hz / 1e6);
    // Counters their fields cannot carry are refused before anything is shown.
    if (!fields_fit(program_, counter_fields, counter_advice) || !counters_make_sense()) {
        undo.restore();
        return false;
    }
    show_counters();
    if (MainForm* main = program_.main_form()) {
        main->refresh_registers();
    }
    program_.link().send(counters_register);
    return true;
}

bool SynthIfForm::counters_make_sense() {
    const std::optional<SenseFault> fault = divider_sense(program_.state());
    return no_objection(program_, fault ? std::optional<std::string>(fault->text) : std::nullopt);
}

void SynthIfForm::step(double channels) {
    const PlanUndo undo(program_);
    const std::optional<Wanted> wanted = read_wanted(channels);
    if (!wanted || !store_counters(*wanted)) {
        undo.restore();
        return;
    }
    if (!fields_fit(program_, counter_fields, counter_advice) || !counters_make_sense()) {
        undo.restore();
        return;
    }
    SharedState& s = program_.state();
    // The window steps on from the synthesised frequency, which the state
    // keeps too: the read-outs that a refresh shows agree with the words.
    const auto n = static_cast<int64_t>(s.if_b) * s.if_prescaler + s.if_a;
    const double synthesised_mhz = static_cast<double>(n) * s.if_pfd_freq / 1000.0;
    s.if_vco_freq = round15(synthesised_mhz);
    show_on_main(program_, main_controls::ifvcofreq,
                 format_template(synthesised_mhz, "#0.00000") + "MHz");
    show_on_main(program_, main_controls::ifref_freq,
                 format_template(wanted->pfd_hz / 1000.0, "#0.00000") + "kHz");
    get(synth_if_controls::Text1).set_text(format_template(synthesised_mhz, "#0.00000"));
    show_counters();
    if (MainForm* main = program_.main_form()) {
        main->refresh_registers();
    }
    program_.link().send(counters_register);
}

void SynthIfForm::show_counters() {
    const SharedState& s = program_.state();
    get(synth_if_controls::Label3).set_caption(std::to_string(s.if_n));
    get(synth_if_controls::Label4).set_caption(std::to_string(s.if_prescaler));
    get(synth_if_controls::Label5).set_caption(std::to_string(s.if_b));
    get(synth_if_controls::Label6).set_caption(std::to_string(s.if_a));
}

} // namespace zqf
