#include "core/windows/settings_load.h"

#include "core/settings/loaded_state.h"
#include "core/settings/settings_check.h"
#include "core/settings/settings_layout.h"
#include "core/settings/settings_reader.h"
#include "core/state/device_profile.h"
#include "core/state/noise_patterns.h"
#include "core/text/number_text.h"
#include "core/windows/display_pairs.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

// The display pairs show the texts the file brought, as after the writes
// that made them.
void show_display_texts(MainForm& main, const SharedState& s) {
    for (const DisplayPair& pair : display_pairs) {
        const auto i = static_cast<std::size_t>(pair.index);
        main.get<CaptionControl>(pair.bits_label).set_caption(s.reg_text_bin[i]);
        main.get<CaptionControl>(pair.hex_label).set_caption(s.reg_text_hex[i]);
    }
}

// The Device label names the loaded device; a label that already names it
// under another caption of the same stored name (ZQF7610 for "ZQF7620") keeps it.
void follow_device(MainForm& main, const std::string& device_name) {
    CaptionControl& label = main.get(main_controls::Device);
    for (const DeviceEntry& entry : device_catalogue) {
        if (entry.stored_name == device_name && entry.device_caption == label.caption()) {
            return;
        }
    }
    label.set_caption(device_name);
}

void choose(MainForm& main, ControlName<ListBox> list, std::optional<int> position) {
    if (position) {
        main.get(list).set_index(*position);
    }
}

// Switches the mode's button on (its handler runs when it was off) and draws
// the three captions as the handler does.
void select_noise_mode(MainForm& main, std::optional<int> mode) {
    if (!mode) {
        return;
    }
    const NoisePattern& chosen = noise_patterns[static_cast<std::size_t>(*mode)];
    main.get<OptionButton>(chosen.option).select();
    for (const NoisePattern& pattern : noise_patterns) {
        main.get<OptionButton>(pattern.option)
            .set_colour(&pattern == &chosen ? CaptionColour::text : CaptionColour::shadow);
    }
}

// The modulus and channel step as the RF planner shows them.
void show_plan_captions(MainForm& main, const SharedState& s) {
    CaptionControl& modulus = main.get(main_controls::modulus);
    CaptionControl& step = main.get(main_controls::fraclabel);
    if (device_profile(s.device_name).fraction == FractionKind::fixed_25_bit) {
        modulus.set_caption("25-bit fixed");
        step.set_caption(format_template(s.chan_step, "#0.00000") + "Hz");
        return;
    }
    modulus.set_caption(general_form(s.mod_val));
    step.set_caption(format_template(s.chan_step / 1000.0, "#0.00000") + "kHz");
}

// Every device's read-outs follow the loaded values; then the device's own finish.
void finish(Program& program, MainForm& main) {
    main.refresh_registers();
    switch (device_profile(program.state().device_name).settings_load_finish) {
    case SettingsLoadFinish::send_all:
        program.link().send_all_registers();
        break;
    case SettingsLoadFinish::raise_indicators:
        for (const std::string_view name : {all_indicator, all_if_indicator, all_rf_indicator}) {
            main.get<ToggleSwitch>(name).set_state(true);
        }
        break;
    case SettingsLoadFinish::nothing:
        break;
    }
}

} // namespace

std::optional<SettingsRefusal> load_settings(Program& program, const std::string& path) {
    MainForm* main = program.main_form();
    if (main == nullptr) {
        return SettingsRefusal{SettingsRefusal::Kind::invalid,
                               "the main panel is not open; confirm the start window first"};
    }
    const SettingsRead read = read_settings_file(path, program.state());
    if (const auto* refusal = std::get_if<SettingsRefusal>(&read)) {
        return *refusal;
    }
    apply_settings(program, *main, std::get<SettingsFile>(read));
    return std::nullopt;
}

void apply_settings(Program& program, MainForm& main, const SettingsFile& file) {
    SharedState& s = program.state();
    const bool new_family = changes_family(file, s);
    // Worked out whole before anything changes; the handlers below follow it
    // on the panel, and whatever they re-derive gives way to it at the end.
    const SharedState loaded = loaded_state(file, s);
    s = loaded;
    if (new_family) {
        // That device's panel, as confirming the start window with it gives:
        // no control of the other family stays in reach.
        main.restore_design();
        main.load();
        const std::optional<DeviceDefaults>& defaults = device_profile(s.device_name).defaults;
        if (defaults && defaults->preset_panel) {
            main.preset_panel();
        }
    }
    show_display_texts(main, s);
    follow_device(main, s.device_name);
    // The set-up comes before the choices, so that the noise mode it presets
    // gives way to the file's.
    main.main_setup();

    // From the file's values, not the state's: a handler that runs on the way
    // may change a value a later choice reads (a noise mode changes both
    // patterns).
    const PanelChoices choices = panel_choices(file.values);
    choose(main, main_controls::Combo4, choices.combo4);
    choose(main, main_controls::Combo5, choices.combo5);
    choose(main, main_controls::Combo9, choices.combo9);
    choose(main, main_controls::Combo1, choices.combo1);
    select_noise_mode(main, choices.noise_from_dual);
    select_noise_mode(main, choices.noise_from_4r);
    main.get(main_controls::Toggle28).set_state(choices.phase_resync);

    keep_loaded_members(loaded, s);
    show_plan_captions(main, s);
    finish(program, main);
}

} // namespace zqf
