// The RF planner's controls with their designed values, its window load and
// the small helpers its handlers share.
#include "core/windows/synth_form.h"

#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/text/number_text.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

#include "core/windows/names/forms.h"
#include "core/windows/names/synth_controls.h"
#include <array>

namespace zqf {

namespace {

struct CaptionRow {
    std::string_view name;
    std::string_view caption;
};

// The legends beside the results, each followed by the label that shows its value.
constexpr CaptionRow result_rows[] = {
    {synth_controls::Label5, "INT:"},         {synth_controls::Label25, ""},
    {synth_controls::Label6, "MOD:"},         {synth_controls::Label24, ""},
    {synth_controls::Label8, "FRAC:"},        {synth_controls::Label23, ""},
    {synth_controls::Label9, "P:"},           {synth_controls::Label22, ""},
    {synth_controls::Label10, "N = RF/PFD:"}, {synth_controls::Label27, ""},
    {synth_controls::Label11, "R:"},          {synth_controls::Label17, ""},
};

constexpr CaptionRow button_rows[] = {
    {synth_controls::Command3, "Update R0 and R1 (Normal Mode)"},
    {synth_controls::Command8, "Update R0 and R1  (LCD Mode)"},
    {synth_controls::Command11, "Increment by one channel step (Normal Mode). Update R0."},
    {synth_controls::Command10, "Decrement by one channel step  (Normal Mode). Update R0."},
    {synth_controls::Command4, "Increment by one channel step  (LCD Mode). Update R0 and R1"},
    {synth_controls::Command5, "Decrement by one channel step (LCD Mode). Update R0 and R1"},
    {synth_controls::Command6, "Lock Time"},
    {synth_controls::Command7, "reg 001"},
    {synth_controls::Command2, "Exit Window"},
};

constexpr CaptionRow legend_rows[] = {
    {synth_controls::Label13, "PFD Freq = Reference Freq * Doubler / R"},
    {synth_controls::Label14, "INT = RF  Freq / PFD Freq"},
    {synth_controls::Label15, "Legend:"},
    {synth_controls::Label16, "Changing Allowed"},
    {synth_controls::Label18, "Not Changable"},
    {synth_controls::Label19, "Click Here to Change"},
    {synth_controls::Label20,
     "LCD Mode: This will automatically calculate the lowest common denominator, and "
     "use this as the fraction numerator and denominator. Normal Mode: This will use "
     "the default modulus as the denominator."},
    {synth_controls::Label21,
     "Example: If the fraction = 40/100. The LCD Mode will program the fraction as "
     "2/5. The Normal Mode will program the fraction as 40/100"},
};

// The step box of the ZQF7350 shows a computed resolution, not an entry.
constexpr std::array<int, 3> computed_box_colour{192, 192, 255};

} // namespace

SynthForm::SynthForm(Program& program)
    : Form(program, std::string(form_name(FormId::synth)), "RF Output Frequency"),
      program_(program) {
    create_entries();
    create_results();
    create_buttons();
    create_legend();
}

void SynthForm::create_entries() {
    label(synth_controls::Label1, "Enter the RF Output Frequency (MHz):");
    add<TextBox>(synth_controls::Text1);
    label(synth_controls::Label2, "Enter the Reference Frequency (MHz):");
    add<TextBox>(synth_controls::Text4);
    label(synth_controls::Label3, "R:");
    add<TextBox>(synth_controls::Text5);
    label(synth_controls::Label12, "Enter the Channel Step Resolution (kHz):");
    add<TextBox>(synth_controls::Text3);
    label(synth_controls::Label4, "PFD Frequency (kHz):");
    add<TextBox>(synth_controls::Text2);
    add<ToggleSwitch>(synth_controls::Toggle1, "--------X 1-------", "--------X 2-------")
        .on_click = [this] { Toggle1_Click(); };
    label(synth_controls::Label29);
    // Only the 32-bit devices have a reference divider by 2; the window load shows it there.
    auto& halve = add<ToggleSwitch>(synth_controls::Toggle2, "--X1--", "--/2--");
    halve.on_click = [this] { Toggle2_Click(); };
    halve.set_visible(false);
    label(synth_controls::Label7).set_visible(false);
}

void SynthForm::create_results() {
    for (const CaptionRow& row : result_rows) {
        label(std::string(row.name), std::string(row.caption));
    }
    // What was written when it is not what was asked for (off the channel grid).
    label(synth_controls::grid_note);
}

void SynthForm::create_buttons() {
    for (const CaptionRow& row : button_rows) {
        button(std::string(row.name), std::string(row.caption));
    }
    get(synth_controls::Command3).on_click = [this] { Command3_Click(); };
    get(synth_controls::Command8).on_click = [this] { Command8_Click(); };
    get(synth_controls::Command11).on_click = [this] { Command11_Click(); };
    get(synth_controls::Command10).on_click = [this] { Command10_Click(); };
    get(synth_controls::Command4).on_click = [this] { Command4_Click(); };
    get(synth_controls::Command5).on_click = [this] { Command5_Click(); };
    get(synth_controls::Command6).on_click = [this] { Command6_Click(); };
    get(synth_controls::Command7).on_click = [this] { Command7_Click(); };
    get(synth_controls::Command2).on_click = [this] { close(); };
}

void SynthForm::create_legend() {
    for (const CaptionRow& row : legend_rows) {
        label(std::string(row.name), std::string(row.caption));
    }
}

void SynthForm::load() {
    const SharedState& s = state();
    set_text(synth_controls::Text1, format_template(s.rf_freq / 1e6, ".000000"));
    set_text(synth_controls::Text2, format_template(s.pfd_freq / 1000.0, ".000000"));
    set_text(synth_controls::Text3, format_template(s.chan_step / 1000.0, ".000000"));
    set_text(synth_controls::Text4, format_template(s.refin_freq / 1e6, ".000000"));
    set_text(synth_controls::Text5, general_form(s.r_count));
    const DeviceProfile& device = device_profile(s.device_name);
    if (device.reference_halver) {
        get(synth_controls::Toggle2).set_visible(true);
        get(synth_controls::Label7).set_visible(true);
    }
    if (!device.lcd_mode) {
        for (const ControlName<CaptionControl> lcd_button :
             {synth_controls::Command4, synth_controls::Command5, synth_controls::Command8}) {
            get(lcd_button).set_visible(false);
        }
    }
    if (has_fixed_modulus()) {
        set_caption(synth_controls::Label12, "Enter the Channel Step Resolution (Hz):");
        get(synth_controls::Text3).set_background(computed_box_colour);
    }
    // Both doubler fields are read; the 32-bit devices' one decides.
    ToggleSwitch& doubler = get(synth_controls::Toggle1);
    doubler.set_state(s.doubler_field == bit_weight<int32_t>(19));
    doubler.set_state(s.doubler_field_5 == bit_weight<int32_t>(20));
    get(synth_controls::Toggle2).set_state(s.rdiv2_field == bit_weight<int32_t>(21));
}

std::optional<double> SynthForm::entry(std::string_view text_box) const {
    return entry_value(*this, text_box);
}

std::optional<double> SynthForm::scaled(std::string_view text_box, double factor) const {
    return scaled_entry(*this, text_box, factor);
}

void SynthForm::refuse() {
    program_.beep();
}

void SynthForm::set_text(std::string_view text_box, std::string text) {
    get<TextBox>(text_box).set_text(std::move(text));
}

void SynthForm::set_caption(std::string_view label, std::string text) {
    get<CaptionControl>(label).set_caption(std::move(text));
}

bool SynthForm::has_fixed_modulus() const {
    return device_profile(state().device_name).fraction == FractionKind::fixed_25_bit;
}

SharedState& SynthForm::state() const {
    return program_.state();
}

} // namespace zqf
