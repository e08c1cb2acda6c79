// The main window's load and its set-up for the confirmed device.
#include "core/state/device_profile.h"
#include "core/state/start_values.h"
#include "core/text/number_text.h"
#include "core/windows/display_pairs.h"
#include "core/windows/main_form.h"
#include "core/windows/main_list_items.h"
#include "core/windows/names/main_controls.h"
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
    get(main_controls::Option1).select();
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
    get(main_controls::Combo4).set_index(0);
    // The row's modulus differs from the panel's designed one; no refresh
    // shows it, so the panel would claim 50 while R1 carries 64.
    get(main_controls::modulus).set_caption(general_form(program_.state().mod_val));
    refresh_registers();
}

void MainForm::setup_single_synthesizer() {
    const DeviceProfile& device = device_profile(program_.state().device_name);
    const bool five = device.family == Family::five_register;

    show_all<CaptionControl>(*this,
                             {main_controls::Frame5, main_controls::Frame4, main_controls::Frame6,
                              main_controls::Frame14, main_controls::Frame13},
                             false);
    get(main_controls::Frame13).set_caption("");
    get(main_controls::Command2).set_enabled(false);
    get(main_controls::Command4).set_enabled(false);
    get(main_controls::Command9).set_enabled(true);
    get(main_controls::Command11).set_enabled(true);
    get(main_controls::phase_reg_frame).set_visible(false);

    // The 5-register block below takes the resync list away on its own.
    if (!five) {
        if (device.resync_list) {
            get(main_controls::Combo1).set_visible(true);
        } else {
            get(main_controls::Combo1).set_visible(false);
            get(main_controls::Combo1).set_enabled(false);
            get(main_controls::Label41).set_visible(false);
        }
        // A fast-lock switch that programs nothing is not offered.
        if (device.fast_lock_switch == FastLockSwitch::refresh_only) {
            get(main_controls::Toggle32).set_visible(false);
        }
    }

    get(main_controls::Option1).deselect();
    get(main_controls::Option3).select();

    show_all<ListBox>(*this,
                      {main_controls::Combo2, main_controls::Combo3, main_controls::Combo5,
                       main_controls::Combo6, main_controls::Combo7, main_controls::Combo9,
                       main_controls::Combo10},
                      false);

    get(main_controls::Toggle15).set_visible(true);
    show_all<ToggleSwitch>(*this, {main_controls::Toggle17, main_controls::Toggle18}, false);

    for (const ControlName<ToggleSwitch> name : rf_set_indicators) {
        light(name);
    }
    show_all<ToggleSwitch>(*this,
                           {display_pairs[4].indicator, display_pairs[5].indicator,
                            display_pairs[6].indicator, all_indicator, all_if_indicator},
                           false);
    light(all_rf_indicator);
    get(main_controls::Toggle31).set_visible(true);
    show_all<ToggleSwitch>(*this, {main_controls::Toggle33, main_controls::Toggle34}, false);

    show_all<CaptionControl>(
        *this,
        {main_controls::Label20, main_controls::Label26, main_controls::Label27,
         main_controls::Label28, main_controls::Label31, main_controls::Label32,
         main_controls::Label33, main_controls::Label34, main_controls::Label35},
        false);

    if (five) {
        get(main_controls::Toggle32).set_captions("CSR Disabled", "CSR Enabled");
        get(main_controls::phase_reg_frame).set_visible(true);
        get(main_controls::Combo1).set_visible(false);
        get(main_controls::Combo1).set_enabled(false);
        get(main_controls::Combo8).set_visible(false);
        get(main_controls::Combo11).set_visible(true);
        get(main_controls::Label41).set_visible(false);
        show_all<ToggleSwitch>(*this, {main_controls::Toggle31, main_controls::Toggle23}, true);
        show_all<CaptionControl>(*this,
                                 {main_controls::Label34, main_controls::Label35,
                                  main_controls::Label20, main_controls::Label33,
                                  main_controls::Label26},
                                 true);
        light(main_controls::Toggle23);
        get(main_controls::Combo10).set_visible(true);
        get(main_controls::Toggle16).set_visible(false);
        get(main_controls::Option2).set_visible(false);
        get(main_controls::Option1).deselect();
        get(main_controls::Option3).select();
        get(main_controls::Toggle13).set_visible(false);
        get(main_controls::Toggle36).set_visible(true);
    }
    if (five && !device.phase_register) {
        get(main_controls::phase_reg_frame).set_visible(false);
    }
    if (!device.noise_modes) {
        show_all<OptionButton>(*this, {main_controls::Option1, main_controls::Option3}, false);
    }
    get(main_controls::command14).set_enabled(device.spur_sweep);
}

void MainForm::setup_dual() {
    show_all<CaptionControl>(*this, {main_controls::Frame4, main_controls::Frame5}, true);
    show_all<CaptionControl>(*this, {main_controls::Frame6, main_controls::Frame14}, false);
    show_all<CaptionControl>(*this, {main_controls::Label4, main_controls::Label6}, true);
    get(main_controls::Label5).set_visible(false);
    get(main_controls::currentsetting2).set_visible(true);
    show_all<ListBox>(*this,
                      {main_controls::Combo1, main_controls::Combo2, main_controls::Combo3,
                       main_controls::Combo8, main_controls::Combo10},
                      false);
    get(main_controls::Toggle15).set_visible(true);
    show_all<ToggleSwitch>(*this,
                           {main_controls::Toggle16, main_controls::Toggle17,
                            main_controls::Toggle18, main_controls::Toggle31,
                            main_controls::Toggle32},
                           false);
    show_all<ToggleSwitch>(*this, {main_controls::Toggle33, main_controls::Toggle34}, true);
    get(main_controls::phase_reg_frame).set_visible(false);
    get(main_controls::command14).set_enabled(false);
    get(main_controls::Command4).set_enabled(false);
}

} // namespace zqf
