#pragma once

// The controls of the main window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::main_controls {

inline constexpr ControlName<CaptionControl> mnuFile{"mnuFile"};
inline constexpr ControlName<CaptionControl> mnuGet{"mnuGet"};
inline constexpr ControlName<CaptionControl> mnuSave{"mnuSave"};
inline constexpr ControlName<CaptionControl> mnuExport{"mnuExport"};
inline constexpr ControlName<CaptionControl> Exitmenu{"Exitmenu"};
inline constexpr ControlName<CaptionControl> mnuSettings{"mnuSettings"};
inline constexpr ControlName<CaptionControl> synthmenu{"synthmenu"};
inline constexpr ControlName<CaptionControl> ifmnu{"ifmnu"};
inline constexpr ControlName<CaptionControl> current2menu{"current2menu"};
inline constexpr ControlName<CaptionControl> current1menu{"current1menu"};
inline constexpr ControlName<CaptionControl> mnufreqhop{"mnufreqhop"};
inline constexpr ControlName<CaptionControl> mnufreqsweep{"mnufreqsweep"};
inline constexpr ControlName<CaptionControl> mnuBoard{"mnuBoard"};
inline constexpr ControlName<CaptionControl> mnuBusLog{"mnuBusLog"};
inline constexpr ControlName<CaptionControl> mnuChipState{"mnuChipState"};
inline constexpr ControlName<CaptionControl> mnuFreqPlot{"mnuFreqPlot"};
inline constexpr ControlName<CaptionControl> mnuRecordBus{"mnuRecordBus"};
inline constexpr ControlName<CaptionControl> mnuStopRecording{"mnuStopRecording"};
inline constexpr ControlName<CaptionControl> mnuRemoteControl{"mnuRemoteControl"};
inline constexpr ControlName<CaptionControl> lblRemote{"lblRemote"};
inline constexpr ControlName<CaptionControl> mnuHelp{"mnuHelp"};
inline constexpr ControlName<CaptionControl> aboutmenu{"aboutmenu"};
inline constexpr ControlName<CaptionControl> mnuProg{"mnuProg"};
inline constexpr ControlName<CaptionControl> Device{"Device"};
inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<CaptionControl> Label11{"Label11"};
inline constexpr ControlName<CaptionControl> Label12{"Label12"};
inline constexpr ControlName<CaptionControl> Label29{"Label29"};
inline constexpr ControlName<CaptionControl> Label38{"Label38"};
inline constexpr ControlName<CaptionControl> Label36{"Label36"};
inline constexpr ControlName<CaptionControl> Label37{"Label37"};
inline constexpr ControlName<CaptionControl> Label42{"Label42"};
inline constexpr ControlName<CaptionControl> Label41{"Label41"};
inline constexpr ControlName<CaptionControl> Label5{"Label5"};
inline constexpr ControlName<CaptionControl> Label6{"Label6"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> Label7{"Label7"};
inline constexpr ControlName<CaptionControl> Label30{"Label30"};
inline constexpr ControlName<CaptionControl> Label13{"Label13"};
inline constexpr ControlName<CaptionControl> Label10{"Label10"};
inline constexpr ControlName<CaptionControl> Label16{"Label16"};
inline constexpr ControlName<CaptionControl> vcofreq{"vcofreq"};
inline constexpr ControlName<CaptionControl> ref_freq{"ref_freq"};
inline constexpr ControlName<CaptionControl> modulus{"modulus"};
inline constexpr ControlName<CaptionControl> fraclabel{"fraclabel"};
inline constexpr ControlName<CaptionControl> crystal{"crystal"};
inline constexpr ControlName<CaptionControl> crystalIF{"crystalIF"};
inline constexpr ControlName<CaptionControl> ifvcofreq{"ifvcofreq"};
inline constexpr ControlName<CaptionControl> ifref_freq{"ifref_freq"};
inline constexpr ControlName<CaptionControl> prescale{"prescale"};
inline constexpr ControlName<CaptionControl> currentsetting1{"currentsetting1"};
inline constexpr ControlName<CaptionControl> currentsetting2{"currentsetting2"};
inline constexpr ControlName<CaptionControl> testmode{"testmode"};
inline constexpr ControlName<CaptionControl> clock_divider_mode_label{"clock_divider_mode_label"};
inline constexpr ControlName<CaptionControl> if_prescaler_label{"if_prescaler_label"};
inline constexpr ControlName<CaptionControl> phase_label{"phase_label"};
inline constexpr ControlName<CaptionControl> clock_divider_value_label{"clock_divider_value_label"};
inline constexpr ControlName<CaptionControl> Label18{"Label18"};
inline constexpr ControlName<CaptionControl> Label35{"Label35"};
inline constexpr ControlName<CaptionControl> Label34{"Label34"};
inline constexpr ControlName<CaptionControl> Label20{"Label20"};
inline constexpr ControlName<CaptionControl> Label17{"Label17"};
inline constexpr ControlName<CaptionControl> Label21{"Label21"};
inline constexpr ControlName<CaptionControl> Label9{"Label9"};
inline constexpr ControlName<CaptionControl> Label22{"Label22"};
inline constexpr ControlName<CaptionControl> Label14{"Label14"};
inline constexpr ControlName<CaptionControl> Label23{"Label23"};
inline constexpr ControlName<CaptionControl> Label15{"Label15"};
inline constexpr ControlName<CaptionControl> Label24{"Label24"};
inline constexpr ControlName<CaptionControl> Label33{"Label33"};
inline constexpr ControlName<CaptionControl> Label26{"Label26"};
inline constexpr ControlName<CaptionControl> Label32{"Label32"};
inline constexpr ControlName<CaptionControl> Label27{"Label27"};
inline constexpr ControlName<CaptionControl> Label31{"Label31"};
inline constexpr ControlName<CaptionControl> Label28{"Label28"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command4{"Command4"};
inline constexpr ControlName<CaptionControl> Command5{"Command5"};
inline constexpr ControlName<CaptionControl> Command6{"Command6"};
inline constexpr ControlName<CaptionControl> Command7{"Command7"};
inline constexpr ControlName<CaptionControl> Command8{"Command8"};
inline constexpr ControlName<CaptionControl> Command9{"Command9"};
inline constexpr ControlName<CaptionControl> Command10{"Command10"};
inline constexpr ControlName<CaptionControl> Command11{"Command11"};
inline constexpr ControlName<CaptionControl> Command12{"Command12"};
inline constexpr ControlName<CaptionControl> Command13{"Command13"};
inline constexpr ControlName<CaptionControl> command14{"command14"};
inline constexpr ControlName<CaptionControl> Frame2{"Frame2"};
inline constexpr ControlName<CaptionControl> Frame4{"Frame4"};
inline constexpr ControlName<CaptionControl> Frame5{"Frame5"};
inline constexpr ControlName<CaptionControl> Frame6{"Frame6"};
inline constexpr ControlName<CaptionControl> Frame14{"Frame14"};
inline constexpr ControlName<CaptionControl> Frame13{"Frame13"};
inline constexpr ControlName<CaptionControl> phase_reg_frame{"phase_reg_frame"};
inline constexpr ControlName<CaptionControl> Picture1{"Picture1"};
inline constexpr ControlName<ToggleSwitch> Toggle19{"Toggle19"};
inline constexpr ControlName<ToggleSwitch> Toggle20{"Toggle20"};
inline constexpr ControlName<ToggleSwitch> Toggle21{"Toggle21"};
inline constexpr ControlName<ToggleSwitch> Toggle22{"Toggle22"};
inline constexpr ControlName<ToggleSwitch> Toggle23{"Toggle23"};
inline constexpr ControlName<ToggleSwitch> Toggle24{"Toggle24"};
inline constexpr ControlName<ToggleSwitch> Toggle25{"Toggle25"};
inline constexpr ControlName<ToggleSwitch> Toggle30{"Toggle30"};
inline constexpr ControlName<ToggleSwitch> Toggle29{"Toggle29"};
inline constexpr ControlName<ToggleSwitch> Toggle26{"Toggle26"};
inline constexpr ControlName<ToggleSwitch> usb_display_toggle{"usb_display_toggle"};
inline constexpr ControlName<ListBox> Combo1{"Combo1"};
inline constexpr ControlName<ListBox> Combo2{"Combo2"};
inline constexpr ControlName<ListBox> Combo3{"Combo3"};
inline constexpr ControlName<ListBox> Combo4{"Combo4"};
inline constexpr ControlName<ListBox> Combo5{"Combo5"};
inline constexpr ControlName<ListBox> Combo6{"Combo6"};
inline constexpr ControlName<ListBox> Combo7{"Combo7"};
inline constexpr ControlName<ListBox> Combo8{"Combo8"};
inline constexpr ControlName<ListBox> Combo9{"Combo9"};
inline constexpr ControlName<ListBox> Combo10{"Combo10"};
inline constexpr ControlName<ListBox> Combo11{"Combo11"};
inline constexpr ControlName<ListBox> Combo12{"Combo12"};
inline constexpr ControlName<ListBox> Combo13{"Combo13"};
inline constexpr ControlName<TextBox> phase_reg_textbox{"phase_reg_textbox"};
inline constexpr ControlName<TextBox> clock_divider_value_textbox{"clock_divider_value_textbox"};
inline constexpr ControlName<ToggleSwitch> Toggle1{"Toggle1"};
inline constexpr ControlName<ToggleSwitch> Toggle2{"Toggle2"};
inline constexpr ControlName<ToggleSwitch> Toggle3{"Toggle3"};
inline constexpr ControlName<ToggleSwitch> Toggle4{"Toggle4"};
inline constexpr ControlName<ToggleSwitch> Toggle5{"Toggle5"};
inline constexpr ControlName<ToggleSwitch> Toggle6{"Toggle6"};
inline constexpr ControlName<ToggleSwitch> Toggle7{"Toggle7"};
inline constexpr ControlName<ToggleSwitch> Toggle8{"Toggle8"};
inline constexpr ControlName<ToggleSwitch> Toggle9{"Toggle9"};
inline constexpr ControlName<ToggleSwitch> Toggle10{"Toggle10"};
inline constexpr ControlName<ToggleSwitch> Toggle11{"Toggle11"};
inline constexpr ControlName<ToggleSwitch> Toggle12{"Toggle12"};
inline constexpr ControlName<ToggleSwitch> Toggle15{"Toggle15"};
inline constexpr ControlName<ToggleSwitch> Toggle16{"Toggle16"};
inline constexpr ControlName<ToggleSwitch> Toggle17{"Toggle17"};
inline constexpr ControlName<ToggleSwitch> Toggle27{"Toggle27"};
inline constexpr ControlName<ToggleSwitch> Toggle28{"Toggle28"};
inline constexpr ControlName<ToggleSwitch> Toggle31{"Toggle31"};
inline constexpr ControlName<ToggleSwitch> Toggle33{"Toggle33"};
inline constexpr ControlName<ToggleSwitch> Toggle34{"Toggle34"};
inline constexpr ControlName<ToggleSwitch> Toggle36{"Toggle36"};
inline constexpr ControlName<ToggleSwitch> dec_sel_toggle{"dec_sel_toggle"};
inline constexpr ControlName<ToggleSwitch> Toggle13{"Toggle13"};
inline constexpr ControlName<ToggleSwitch> Toggle14{"Toggle14"};
inline constexpr ControlName<ToggleSwitch> Toggle32{"Toggle32"};
inline constexpr ControlName<ToggleSwitch> Toggle18{"Toggle18"};
inline constexpr ControlName<ToggleSwitch> Toggle35{"Toggle35"};
inline constexpr ControlName<OptionButton> Option1{"Option1"};
inline constexpr ControlName<OptionButton> Option2{"Option2"};
inline constexpr ControlName<OptionButton> Option3{"Option3"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(mnuFile), row(mnuGet), row(mnuSave), row(mnuExport), row(Exitmenu), row(mnuSettings),
    row(synthmenu), row(ifmnu), row(current2menu), row(current1menu), row(mnufreqhop),
    row(mnufreqsweep), row(mnuBoard), row(mnuBusLog), row(mnuChipState), row(mnuFreqPlot),
    row(mnuRecordBus), row(mnuStopRecording), row(mnuRemoteControl), row(lblRemote), row(mnuHelp),
    row(aboutmenu), row(mnuProg), row(Device), row(Label1), row(Label2), row(Label11),
    row(Label12), row(Label29), row(Label38), row(Label36), row(Label37), row(Label42),
    row(Label41), row(Label5), row(Label6), row(Label4), row(Label7), row(Label30), row(Label13),
    row(Label10), row(Label16), row(vcofreq), row(ref_freq), row(modulus), row(fraclabel),
    row(crystal), row(crystalIF), row(ifvcofreq), row(ifref_freq), row(prescale),
    row(currentsetting1), row(currentsetting2), row(testmode), row(clock_divider_mode_label),
    row(if_prescaler_label), row(phase_label), row(clock_divider_value_label), row(Label18),
    row(Label35), row(Label34), row(Label20), row(Label17), row(Label21), row(Label9),
    row(Label22), row(Label14), row(Label23), row(Label15), row(Label24), row(Label33),
    row(Label26), row(Label32), row(Label27), row(Label31), row(Label28), row(Command1),
    row(Command2), row(Command3), row(Command4), row(Command5), row(Command6), row(Command7),
    row(Command8), row(Command9), row(Command10), row(Command11), row(Command12), row(Command13),
    row(command14), row(Frame2), row(Frame4), row(Frame5), row(Frame6), row(Frame14), row(Frame13),
    row(phase_reg_frame), row(Picture1), row(Toggle19), row(Toggle20), row(Toggle21),
    row(Toggle22), row(Toggle23), row(Toggle24), row(Toggle25), row(Toggle30), row(Toggle29),
    row(Toggle26), row(usb_display_toggle), row(Combo1), row(Combo2), row(Combo3), row(Combo4),
    row(Combo5), row(Combo6), row(Combo7), row(Combo8), row(Combo9), row(Combo10), row(Combo11),
    row(Combo12), row(Combo13), row(phase_reg_textbox), row(clock_divider_value_textbox),
    row(Toggle1), row(Toggle2), row(Toggle3), row(Toggle4), row(Toggle5), row(Toggle6),
    row(Toggle7), row(Toggle8), row(Toggle9), row(Toggle10), row(Toggle11), row(Toggle12),
    row(Toggle15), row(Toggle16), row(Toggle17), row(Toggle27), row(Toggle28), row(Toggle31),
    row(Toggle33), row(Toggle34), row(Toggle36), row(dec_sel_toggle), row(Toggle13), row(Toggle14),
    row(Toggle32), row(Toggle18), row(Toggle35), row(Option1), row(Option2), row(Option3),
};
// clang-format on

} // namespace zqf::main_controls
