// The main window's load and its set-up for the confirmed device.
#include "core/state/device_profile.h"
#include "core/state/start_values.h"
#include "core/text/number_text.h"
#include "core/windows/main_form.h"
#include "core/windows/main_list_items.h"
#include "core/windows/panel_tooltips.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

template <typename C>
void show_all(const Form& form, std::initializer_list<std::string_view> names, bool visible) {
    for (const std::string_view name : names) {
        form.get<C>(name).set_visible(visible);
    }
}

} // namespace

void MainForm::load() {
    get<OptionButton>("Option1").select();
    for (const ListItems& list : main_list_items()) {
        get<ListBox>(list.name).set_items(list.items);
    }
    apply_panel_load_values(program_.state());
}

void MainForm::main_setup() {
    // The single synthesizers share one panel layout; the dual devices have their own.
    struct PanelSetup {
        Family family;
        void (MainForm::*set_up)();
    };
    static constexpr FamilyTable<PanelSetup> setups{{
        {.family = Family::four_register, .set_up = &MainForm::setup_single_synthesizer},
        {.family = Family::five_register, .set_up = &MainForm::setup_single_synthesizer},
        {.family = Family::dual, .set_up = &MainForm::setup_dual},
    }};
    static_assert(has_every_family(setups));
    if (const PanelSetup* setup = family_row(setups, family_of(program_.state().device_name))) {
        (this->*setup->set_up)();
    }
    set_panel_tooltips(*this, device_profile(program_.state().device_name));
}

void MainForm::preset_panel() {
    get<ListBox>("Combo4").set_index(0);
    // The row's modulus differs from the panel's designed one; no refresh
    // shows it, so the panel would claim 50 while R1 carries 64.
    get<CaptionControl>("modulus").set_caption(general_form(program_.state().mod_val));
    refresh_registers();
}

void MainForm::setup_single_synthesizer() {
    const DeviceProfile& device = device_profile(program_.state().device_name);
    const bool five = device.family == Family::five_register;

    show_all<CaptionControl>(*this, {"Frame5", "Frame4", "Frame6", "Frame14", "Frame13"}, false);
    get<CaptionControl>("Frame13").set_caption("");
    get<CaptionControl>("Command2").set_enabled(false);
    get<CaptionControl>("Command4").set_enabled(false);
    get<CaptionControl>("Command9").set_enabled(true);
    get<CaptionControl>("Command11").set_enabled(true);
    get<CaptionControl>("phase_reg_frame").set_visible(false);

    // The 5-register block below takes the resync list away on its own.
    if (!five) {
        if (device.resync_list) {
            get<ListBox>("Combo1").set_visible(true);
        } else {
            get<ListBox>("Combo1").set_visible(false);
            get<ListBox>("Combo1").set_enabled(false);
            get<CaptionControl>("Label41").set_visible(false);
        }
        // A fast-lock switch that programs nothing is not offered.
        if (device.fast_lock_switch == FastLockSwitch::refresh_only) {
            get<ToggleSwitch>("Toggle32").set_visible(false);
        }
    }

    get<OptionButton>("Option1").deselect();
    get<OptionButton>("Option3").select();

    show_all<ListBox>(
        *this, {"Combo2", "Combo3", "Combo5", "Combo6", "Combo7", "Combo9", "Combo10"}, false);

    get<ToggleSwitch>("Toggle15").set_visible(true);
    show_all<ToggleSwitch>(*this, {"Toggle17", "Toggle18"}, false);

    for (const std::string_view name : {"Toggle19", "Toggle20", "Toggle21", "Toggle22"}) {
        light(name);
    }
    show_all<ToggleSwitch>(*this, {"Toggle23", "Toggle24", "Toggle25", "Toggle26", "Toggle29"},
                           false);
    light("Toggle30");
    get<ToggleSwitch>("Toggle31").set_visible(true);
    show_all<ToggleSwitch>(*this, {"Toggle33", "Toggle34"}, false);

    show_all<CaptionControl>(*this,
                             {"Label20", "Label26", "Label27", "Label28", "Label31", "Label32",
                              "Label33", "Label34", "Label35"},
                             false);

    if (five) {
        get<ToggleSwitch>("Toggle32").set_captions("CSR Disabled", "CSR Enabled");
        get<CaptionControl>("phase_reg_frame").set_visible(true);
        get<ListBox>("Combo1").set_visible(false);
        get<ListBox>("Combo1").set_enabled(false);
        get<ListBox>("Combo8").set_visible(false);
        get<ListBox>("Combo11").set_visible(true);
        get<CaptionControl>("Label41").set_visible(false);
        show_all<ToggleSwitch>(*this, {"Toggle31", "Toggle23"}, true);
        show_all<CaptionControl>(*this, {"Label34", "Label35", "Label20", "Label33", "Label26"},
                                 true);
        light("Toggle23");
        get<ListBox>("Combo10").set_visible(true);
        get<ToggleSwitch>("Toggle16").set_visible(false);
        get<OptionButton>("Option2").set_visible(false);
        get<OptionButton>("Option1").deselect();
        get<OptionButton>("Option3").select();
        get<ToggleSwitch>("Toggle13").set_visible(false);
        get<ToggleSwitch>("Toggle36").set_visible(true);
    }
    if (five && !device.phase_register) {
        get<CaptionControl>("phase_reg_frame").set_visible(false);
    }
    if (!device.noise_modes) {
        show_all<OptionButton>(*this, {"Option1", "Option3"}, false);
    }
    get<CaptionControl>("command14").set_enabled(device.spur_sweep);
}

void MainForm::setup_dual() {
    show_all<CaptionControl>(*this, {"Frame4", "Frame5"}, true);
    show_all<CaptionControl>(*this, {"Frame6", "Frame14"}, false);
    show_all<CaptionControl>(*this, {"Label4", "Label6"}, true);
    get<CaptionControl>("Label5").set_visible(false);
    get<CaptionControl>("currentsetting2").set_visible(true);
    show_all<ListBox>(*this, {"Combo1", "Combo2", "Combo3", "Combo8", "Combo10"}, false);
    get<ToggleSwitch>("Toggle15").set_visible(true);
    show_all<ToggleSwitch>(*this, {"Toggle16", "Toggle17", "Toggle18", "Toggle31", "Toggle32"},
                           false);
    show_all<ToggleSwitch>(*this, {"Toggle33", "Toggle34"}, true);
    get<CaptionControl>("phase_reg_frame").set_visible(false);
    get<CaptionControl>("command14").set_enabled(false);
    get<CaptionControl>("Command4").set_enabled(false);
}

} // namespace zqf
