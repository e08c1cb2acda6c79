// The controls of the main window with their designed values.
#include "core/windows/main_form.h"

#include "core/windows/display_pairs.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

struct LabelRow {
    std::string_view name;
    std::string_view caption;
};

// Captions of the fixed labels and the read-outs as designed.
constexpr LabelRow label_rows[] = {
    {"Device", ""},
    {"Label1", "RF VCO Output Frequency:"},
    {"Label2", "PFD Frequency:"},
    {"Label11", "Modulus:"},
    {"Label12", "Channel Step Size:"},
    {"Label29", "REF IN Frequency:"},
    {"Label38", "REF IN Frequency"},
    {"Label36", "IF VCO Output Frequency:"},
    {"Label37", "PFD Frequency:"},
    {"Label42", "RF Prescaler:"},
    {"Label41", "Resync:"},
    {"Label5", "Muxout"},
    {"Label6", "RF Charge Pump Current Setting:"},
    {"Label4", "mA"},
    {"Label7", "IF Charge Pump Current Setting:"},
    {"Label30", "mA"},
    {"Label13", "Device Powerdown??"},
    {"Label10", "RF Powerdown??"},
    {"Label16", "IF Powerdown ??"},
    {"vcofreq", ""},
    {"ref_freq", ""},
    {"modulus", "50"},
    {"fraclabel", "200.00000kHz"},
    {"crystal", ""},
    {"crystalIF", ""},
    {"ifvcofreq", ""},
    {"ifref_freq", ""},
    {"prescale", "8/9"},
    {"currentsetting1", "0.625"},
    {"currentsetting2", "5.0"},
    {"testmode", "Normal Operation"},
    {"clock_divider_mode_label", "Clock Divider mode:"},
    {"if_prescaler_label", "IF Prescaler:"},
    {"phase_label", "Phase Value:"},
    {"clock_divider_value_label", "Clock Divider Value:"},
    // Display pairs: the bit string and the hexadecimal text of each register.
    {"Label18", "Currently Loaded in Registers:"},
    {"Label35", "Currently Loaded in Registers:"},
    {"Label34", "MSB ... Binary"},
    {"Label20", "Hex"},
    {"Label17", ""},
    {"Label21", ""}, // R0
    {"Label9", ""},
    {"Label22", ""}, // R1
    {"Label14", ""},
    {"Label23", ""}, // R2
    {"Label15", ""},
    {"Label24", ""}, // R3
    {"Label33", ""},
    {"Label26", ""}, // R4
    {"Label32", ""},
    {"Label27", ""}, // R5
    {"Label31", ""},
    {"Label28", ""}, // R6
};

constexpr LabelRow button_rows[] = {
    {"Command1", "Change Muxout Settings"},
    {"Command2", "Change Powerdown Settings"},
    {"Command3", "IF Test Modes"},
    {"Command4", "Advanced Settings"},
    {"Command5", "Lock ~ Time"},
    {"Command6", "RF Test Modes"},
    {"Command7", "Sweep"},
    {"Command8", "Update R3,R2,R1,R0"},
    {"Command9", "Frequency Sweep"},
    {"Command10", "Bits"},
    {"Command11", "Frequency Hop"},
    {"Command12", "Save Settings"},
    {"Command13", "Enter Divider Values"},
    {"command14", "Spurious Optimisation Sweep"},
};

constexpr LabelRow frame_rows[] = {
    {"Frame2", "RF Section"},
    {"Frame4", "IF Section"},
    {"Frame5", "IF Settings"},
    {"Frame6", "Bleed Currents"},
    {"Frame14", "Spare Settings"},
    {"Frame13", "(RF and IF Sections)"},
    {"phase_reg_frame", "Phase Register"},
};

} // namespace

MainForm::MainForm(Program& program)
    : Form(program, "Main", "Norvik Evaluation Software"), program_(program) {
    create_controls();
    remember_design();
    observer_id_ = program_.link().add_observer(
        [this](const SentWord& sent) { show_sent_word(sent.index, sent.bits, sent.hex); });
}

MainForm::~MainForm() {
    program_.link().remove_observer(observer_id_);
    if (BusRecording* recording = program_.bus_recording()) {
        recording->set_failure_handler({});
    }
}

void MainForm::create_controls() {
    create_menus();
    for (const LabelRow& row : label_rows) {
        label(std::string(row.name), std::string(row.caption));
    }
    for (const LabelRow& row : button_rows) {
        button(std::string(row.name), std::string(row.caption));
    }
    for (const LabelRow& row : frame_rows) {
        frame(std::string(row.name), std::string(row.caption));
    }
    picture("Picture1").on_dblclick = [this] { Picture1_DblClick(); };
    create_indicators();
    create_lists();
    create_switches();
    create_noise_modes();
    create_navigation();
    create_settings_commands();
}

void MainForm::create_menus() {
    menu("mnuFile", "&File");
    menu("mnuGet", "&Get Settings");
    menu("mnuSave", "&Save Settings");
    create_export_menu();
    menu("Exitmenu", "E&xit").on_click = [this] { end_program(); };
    menu("mnuSettings", "&Settings");
    menu("synthmenu", "Synthesizer &RF Section");
    menu("ifmnu", "Synthesizer &IF Section"); // no action
    menu("current2menu", "RF C&urrent Setting ");
    menu("current1menu", "IF Cu&rrent Setting");
    menu("mnufreqhop", "Frequency Hopping");
    menu("mnufreqsweep", "Frequency Sweep");
    create_board_menu();
    menu("mnuHelp", "&Help");
    menu("aboutmenu", "&About");
    menu("mnuProg", "Programming");
}

void MainForm::close_box() {
    end_program();
}

void MainForm::show_sent_word(int index, const std::string& bits, const std::string& hex) {
    if (index < 0 || index >= static_cast<int>(display_pairs.size())) {
        return;
    }
    const DisplayPair& pair = display_pairs[static_cast<std::size_t>(index)];
    get<CaptionControl>(pair.bits_label).set_caption(bits);
    get<CaptionControl>(pair.hex_label).set_caption(hex);
}

} // namespace zqf
