// The RF planner's controls with their designed values, its window load and
// the small helpers its handlers share.
#include "core/windows/synth_form.h"

#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/text/number_text.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

#include <array>

namespace zqf {

namespace {

struct CaptionRow {
    std::string_view name;
    std::string_view caption;
};

// The legends beside the results, each followed by the label that shows its value.
constexpr CaptionRow result_rows[] = {
    {"Label5", "INT:"},         {"Label25", ""}, {"Label6", "MOD:"}, {"Label24", ""},
    {"Label8", "FRAC:"},        {"Label23", ""}, {"Label9", "P:"},   {"Label22", ""},
    {"Label10", "N = RF/PFD:"}, {"Label27", ""}, {"Label11", "R:"},  {"Label17", ""},
};

constexpr CaptionRow button_rows[] = {
    {"Command3", "Update R0 and R1 (Normal Mode)"},
    {"Command8", "Update R0 and R1  (LCD Mode)"},
    {"Command11", "Increment by one channel step (Normal Mode). Update R0."},
    {"Command10", "Decrement by one channel step  (Normal Mode). Update R0."},
    {"Command4", "Increment by one channel step  (LCD Mode). Update R0 and R1"},
    {"Command5", "Decrement by one channel step (LCD Mode). Update R0 and R1"},
    {"Command6", "Lock Time"},
    {"Command7", "reg 001"},
    {"Command2", "Exit Window"},
};

constexpr CaptionRow legend_rows[] = {
    {"Label13", "PFD Freq = Reference Freq * Doubler / R"},
    {"Label14", "INT = RF  Freq / PFD Freq"},
    {"Label15", "Legend:"},
    {"Label16", "Changing Allowed"},
    {"Label18", "Not Changable"},
    {"Label19", "Click Here to Change"},
    {"Label20", "LCD Mode: This will automatically calculate the lowest common denominator, and "
                "use this as the fraction numerator and denominator. Normal Mode: This will use "
                "the default modulus as the denominator."},
    {"Label21", "Example: If the fraction = 40/100. The LCD Mode will program the fraction as "
                "2/5. The Normal Mode will program the fraction as 40/100"},
};

// The step box of the ZQF7350 shows a computed resolution, not an entry.
constexpr std::array<int, 3> computed_box_colour{192, 192, 255};

} // namespace

SynthForm::SynthForm(Program& program)
    : Form(program, "synthform", "RF Output Frequency"), program_(program) {
    create_entries();
    create_results();
    create_buttons();
    create_legend();
}

void SynthForm::create_entries() {
    label("Label1", "Enter the RF Output Frequency (MHz):");
    add<TextBox>("Text1");
    label("Label2", "Enter the Reference Frequency (MHz):");
    add<TextBox>("Text4");
    label("Label3", "R:");
    add<TextBox>("Text5");
    label("Label12", "Enter the Channel Step Resolution (kHz):");
    add<TextBox>("Text3");
    label("Label4", "PFD Frequency (kHz):");
    add<TextBox>("Text2");
    add<ToggleSwitch>("Toggle1", "--------X 1-------", "--------X 2-------").on_click = [this] {
        Toggle1_Click();
    };
    label("Label29");
    // Only the 32-bit devices have a reference divider by 2; the window load shows it there.
    auto& halve = add<ToggleSwitch>("Toggle2", "--X1--", "--/2--");
    halve.on_click = [this] { Toggle2_Click(); };
    halve.set_visible(false);
    label("Label7").set_visible(false);
}

void SynthForm::create_results() {
    for (const CaptionRow& row : result_rows) {
        label(std::string(row.name), std::string(row.caption));
    }
    // What was written when it is not what was asked for (off the channel grid).
    label("grid_note");
}

void SynthForm::create_buttons() {
    for (const CaptionRow& row : button_rows) {
        button(std::string(row.name), std::string(row.caption));
    }
    get<CaptionControl>("Command3").on_click = [this] { Command3_Click(); };
    get<CaptionControl>("Command8").on_click = [this] { Command8_Click(); };
    get<CaptionControl>("Command11").on_click = [this] { Command11_Click(); };
    get<CaptionControl>("Command10").on_click = [this] { Command10_Click(); };
    get<CaptionControl>("Command4").on_click = [this] { Command4_Click(); };
    get<CaptionControl>("Command5").on_click = [this] { Command5_Click(); };
    get<CaptionControl>("Command6").on_click = [this] { Command6_Click(); };
    get<CaptionControl>("Command7").on_click = [this] { Command7_Click(); };
    get<CaptionControl>("Command2").on_click = [this] { close(); };
}

void SynthForm::create_legend() {
    for (const CaptionRow& row : legend_rows) {
        label(std::string(row.name), std::string(row.caption));
    }
}

void SynthForm::load() {
    const SharedState& s = state();
    set_text("Text1", format_template(s.rf_freq / 1e6, ".000000"));
    set_text("Text2", format_template(s.pfd_freq / 1000.0, ".000000"));
    set_text("Text3", format_template(s.chan_step / 1000.0, ".000000"));
    set_text("Text4", format_template(s.refin_freq / 1e6, ".000000"));
    set_text("Text5", general_form(s.r_count));
    const DeviceProfile& device = device_profile(s.device_name);
    if (device.reference_halver) {
        get<ToggleSwitch>("Toggle2").set_visible(true);
        get<CaptionControl>("Label7").set_visible(true);
    }
    if (!device.lcd_mode) {
        for (const char* lcd_button : {"Command4", "Command5", "Command8"}) {
            get<CaptionControl>(lcd_button).set_visible(false);
        }
    }
    if (has_fixed_modulus()) {
        set_caption("Label12", "Enter the Channel Step Resolution (Hz):");
        get<TextBox>("Text3").set_background(computed_box_colour);
    }
    // Both doubler fields are read; the 32-bit devices' one decides.
    ToggleSwitch& doubler = get<ToggleSwitch>("Toggle1");
    doubler.set_state(s.doubler_field == bit_weight<int32_t>(19));
    doubler.set_state(s.doubler_field_5 == bit_weight<int32_t>(20));
    get<ToggleSwitch>("Toggle2").set_state(s.rdiv2_field == bit_weight<int32_t>(21));
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
