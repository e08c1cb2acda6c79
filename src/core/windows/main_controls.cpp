// The controls of the main window with their designed values.
#include "core/windows/main_form.h"

#include "core/windows/board_menu.h"
#include "core/windows/display_pairs.h"
#include "core/windows/export_menu.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/noise_modes.h"
#include "core/windows/panel_doors.h"
#include "core/windows/panel_lists.h"
#include "core/windows/panel_switches.h"
#include "core/windows/program.h"
#include "core/windows/settings_commands.h"
#include "core/windows/update_indicators.h"

namespace zqf {

namespace {

struct LabelRow {
    std::string_view name;
    std::string_view caption;
};

// Captions of the fixed labels and the read-outs as designed.
constexpr LabelRow label_rows[] = {
    {main_controls::Device, ""},
    {main_controls::Label1, "RF VCO Output Frequency:"},
    {main_controls::Label2, "PFD Frequency:"},
    {main_controls::Label11, "Modulus:"},
    {main_controls::Label12, "Channel Step Size:"},
    {main_controls::Label29, "REF IN Frequency:"},
    {main_controls::Label38, "REF IN Frequency"},
    {main_controls::Label36, "IF VCO Output Frequency:"},
    {main_controls::Label37, "PFD Frequency:"},
    {main_controls::Label42, "RF Prescaler:"},
    {main_controls::Label41, "Resync:"},
    {main_controls::Label5, "Muxout"},
    {main_controls::Label6, "RF Charge Pump Current Setting:"},
    {main_controls::Label4, "mA"},
    {main_controls::Label7, "IF Charge Pump Current Setting:"},
    {main_controls::Label30, "mA"},
    {main_controls::Label13, "Device Powerdown??"},
    {main_controls::Label10, "RF Powerdown??"},
    {main_controls::Label16, "IF Powerdown ??"},
    {main_controls::vcofreq, ""},
    {main_controls::ref_freq, ""},
    {main_controls::modulus, "50"},
    {main_controls::fraclabel, "200.00000kHz"},
    {main_controls::crystal, ""},
    {main_controls::crystalIF, ""},
    {main_controls::ifvcofreq, ""},
    {main_controls::ifref_freq, ""},
    {main_controls::prescale, "8/9"},
    {main_controls::currentsetting1, "0.625"},
    {main_controls::currentsetting2, "5.0"},
    {main_controls::testmode, "Normal Operation"},
    {main_controls::clock_divider_mode_label, "Clock Divider mode:"},
    {main_controls::if_prescaler_label, "IF Prescaler:"},
    {main_controls::phase_label, "Phase Value:"},
    {main_controls::clock_divider_value_label, "Clock Divider Value:"},
    // Display pairs: the bit string and the hexadecimal text of each register.
    {main_controls::Label18, "Currently Loaded in Registers:"},
    {main_controls::Label35, "Currently Loaded in Registers:"},
    {main_controls::Label34, "MSB ... Binary"},
    {main_controls::Label20, "Hex"},
    {main_controls::Label17, ""},
    {main_controls::Label21, ""}, // R0
    {main_controls::Label9, ""},
    {main_controls::Label22, ""}, // R1
    {main_controls::Label14, ""},
    {main_controls::Label23, ""}, // R2
    {main_controls::Label15, ""},
    {main_controls::Label24, ""}, // R3
    {main_controls::Label33, ""},
    {main_controls::Label26, ""}, // R4
    {main_controls::Label32, ""},
    {main_controls::Label27, ""}, // R5
    {main_controls::Label31, ""},
    {main_controls::Label28, ""}, // R6
};

constexpr LabelRow button_rows[] = {
    {main_controls::Command1, "Change Muxout Settings"},
    {main_controls::Command2, "Change Powerdown Settings"},
    {main_controls::Command3, "IF Test Modes"},
    {main_controls::Command4, "Advanced Settings"},
    {main_controls::Command5, "Lock ~ Time"},
    {main_controls::Command6, "RF Test Modes"},
    {main_controls::Command7, "Sweep"},
    {main_controls::Command8, "Update R3,R2,R1,R0"},
    {main_controls::Command9, "Frequency Sweep"},
    {main_controls::Command10, "Bits"},
    {main_controls::Command11, "Frequency Hop"},
    {main_controls::Command12, "Save Settings"},
    {main_controls::Command13, "Enter Divider Values"},
    {main_controls::command14, "Spurious Optimisation Sweep"},
};

constexpr LabelRow frame_rows[] = {
    {main_controls::Frame2, "RF Section"},
    {main_controls::Frame4, "IF Section"},
    {main_controls::Frame5, "IF Settings"},
    {main_controls::Frame6, "Bleed Currents"},
    {main_controls::Frame14, "Spare Settings"},
    {main_controls::Frame13, "(RF and IF Sections)"},
    {main_controls::phase_reg_frame, "Phase Register"},
};

} // namespace

MainForm::MainForm(Program& program)
    : Form(program, std::string(form_name(FormId::main)), "Norvik Evaluation Software"),
      program_(program) {
    create_controls();
    remember_design();
    observer_id_ = program_.link().add_observer(
        [this](const SentWord& sent) { show_sent_word(sent.index, sent.bits, sent.hex); });
}

MainForm::~MainForm() {
    program_.link().remove_observer(observer_id_);
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
    picture(main_controls::Picture1);
    indicators_ = std::make_unique<UpdateIndicators>(*this, program_);
    doors_ = std::make_unique<PanelDoors>(*this, program_);
    lists_ = std::make_unique<PanelLists>(*this, program_, *doors_);
    switches_ = std::make_unique<PanelSwitches>(*this, program_, *doors_);
    noise_modes_ = std::make_unique<NoiseModes>(*this, program_);
    hide_designed_hidden();
    settings_commands_ = std::make_unique<SettingsCommands>(*this, program_);
}

void MainForm::create_menus() {
    menu(main_controls::mnuFile, "&File");
    menu(main_controls::mnuGet, "&Get Settings");
    menu(main_controls::mnuSave, "&Save Settings");
    export_menu_ = std::make_unique<ExportMenu>(*this, program_);
    menu(main_controls::Exitmenu, "E&xit").on_click = [this] { board_menu_->end_program(); };
    menu(main_controls::mnuSettings, "&Settings");
    menu(main_controls::synthmenu, "Synthesizer &RF Section");
    menu(main_controls::ifmnu, "Synthesizer &IF Section"); // no action
    menu(main_controls::current2menu, "RF C&urrent Setting ");
    menu(main_controls::current1menu, "IF Cu&rrent Setting");
    menu(main_controls::mnufreqhop, "Frequency Hopping");
    menu(main_controls::mnufreqsweep, "Frequency Sweep");
    board_menu_ = std::make_unique<BoardMenu>(*this, program_);
    menu(main_controls::mnuHelp, "&Help");
    menu(main_controls::aboutmenu, "&About");
    menu(main_controls::mnuProg, "Programming");
}

void MainForm::hide_designed_hidden() {
    // Designed hidden: shown by the set-up or the hidden test view where they apply.
    for (const ControlName<ListBox> name :
         {main_controls::Combo7, main_controls::Combo10, main_controls::Combo11,
          main_controls::Combo12, main_controls::Combo13}) {
        get(name).set_visible(false);
    }
    for (const ControlName<ListBox> name : {main_controls::Combo2, main_controls::Combo3}) {
        get(name).set_visible(false);
    }
    for (const ControlName<ToggleSwitch> name :
         {main_controls::dec_sel_toggle, main_controls::Toggle11, main_controls::Toggle12,
          main_controls::Toggle35}) {
        get(name).set_visible(false);
    }
}

void MainForm::close_box() {
    board_menu_->end_program();
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
