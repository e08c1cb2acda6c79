#include "remote/panel.h"

#include "core/link/full_write.h"
#include "core/planning/dividers.h"
#include "core/registers/assembly.h"
#include "core/registers/word_apply.h"
#include "core/settings/settings_check.h"
#include "core/state/device_profile.h"
#include "core/state/devices.h"
#include "core/state/shared_state.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"
#include "core/windows/device_form.h"
#include "core/windows/display_pairs.h"
#include "core/windows/lock_time_form.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"
#include "core/windows/sweep_form.h"
#include "core/windows/synth_form.h"
#include "core/windows/synth_if_form.h"
#include "remote/panel_change.h"
#include "remote/panel_controls.h"

#include <cmath>

namespace zqf::remote {

namespace {

namespace mw = panel::main_window;

void type(Form& form, std::string_view control, const std::string& text) {
    form.get<TextBox>(control).user_type(text);
}

void click(Form& form, std::string_view control) {
    form.get<Control>(control).user_click();
}

std::string mhz_text(double hz) {
    return general_form(hz / 1e6);
}

std::string khz_text(double hz) {
    return general_form(hz / 1000.0);
}

std::string device_name_of(const SharedState& s) {
    return s.device_name.empty() ? std::string("this device") : "the " + s.device_name;
}

// The RF planner with the panel's reference, R and channel step in its
// entries at full precision and `rf_hz` as the wanted frequency.
SynthForm& rf_planner(Program& program, double rf_hz) {
    const SharedState& s = program.state();
    SynthForm& planner = program.load<SynthForm>();
    type(planner, panel::rf_planner::frequency_mhz, mhz_text(rf_hz));
    type(planner, panel::rf_planner::reference_mhz, mhz_text(s.refin_freq));
    type(planner, panel::rf_planner::step_khz, khz_text(s.chan_step));
    return planner;
}

// The IF planner with the IF PFD and `vco_hz` in its entries.
SynthIfForm& if_planner(Program& program, double vco_hz, double pfd_hz) {
    SynthIfForm& planner = program.load<SynthIfForm>();
    type(planner, panel::if_planner::frequency_mhz, mhz_text(vco_hz));
    type(planner, panel::if_planner::pfd_khz, khz_text(pfd_hz));
    return planner;
}

double if_vco_hz(const SharedState& s) {
    return s.if_vco_freq * 1e6;
}

double if_pfd_hz(const SharedState& s) {
    return s.if_pfd_freq * 1000.0;
}

} // namespace

const SharedState& Panel::state() const {
    return program_.state();
}

Result Panel::busy() const {
    const MainForm* main = program_.main_form();
    if (main == nullptr) {
        return ScpiError{ErrorCode::settings_conflict,
                         "the start window has not been confirmed yet"};
    }
    if (!program_.is_blocked(*main)) {
        return std::nullopt;
    }
    std::string caption = "a dialog";
    for (const Form* form : program_.open_forms()) {
        if (form != main && program_.is_shown(*form) && !program_.is_blocked(*form)) {
            caption = "\"" + form->caption() + "\"";
        }
    }
    return ScpiError{ErrorCode::settings_conflict,
                     "the window " + caption + " is open on the desktop; close it first"};
}

Result Panel::change(ErrorCode code, std::string fallback,
                     const std::function<Result(PanelChange&)>& act) {
    if (Result blocked = busy()) {
        return blocked;
    }
    PanelChange change(program_, host_);
    if (Result early = act(change)) {
        change.refuse();
        return early;
    }
    const Prompts& said = change.finish();
    if (!said.refused()) {
        return std::nullopt;
    }
    const std::string text = said.text();
    return ScpiError{code, text.empty() ? std::move(fallback) : text};
}

Result Panel::set_rf_frequency(double hz) {
    return change(ErrorCode::data_out_of_range,
                  "the RF planner cannot plan " + mhz_text(hz) + " MHz", [&](PanelChange&) {
                      SynthForm& planner = rf_planner(program_, hz);
                      click(planner, panel::rf_planner::normal_update);
                      planner.close();
                      return Result{};
                  });
}

Result Panel::set_rf_step(double hz) {
    if (device_profile(state().device_name).fraction == FractionKind::fixed_25_bit) {
        return ScpiError{ErrorCode::settings_conflict, "the channel step of " +
                                                           device_name_of(state()) +
                                                           " is its PFD / 2^25 and cannot be set"};
    }
    return change(ErrorCode::data_out_of_range,
                  "the RF planner cannot use a channel step of " + khz_text(hz) + " kHz",
                  [&](PanelChange&) {
                      SynthForm& planner = rf_planner(program_, state().rf_freq);
                      type(planner, panel::rf_planner::step_khz, khz_text(hz));
                      click(planner, panel::rf_planner::normal_update);
                      planner.close();
                      return Result{};
                  });
}

Result Panel::step_rf(bool up) {
    return change(ErrorCode::data_out_of_range, "the RF planner cannot step one channel further",
                  [&](PanelChange&) {
                      SynthForm& planner = rf_planner(program_, state().rf_freq);
                      click(planner,
                            up ? panel::rf_planner::step_up : panel::rf_planner::step_down);
                      planner.close();
                      return Result{};
                  });
}

Result Panel::set_reference(double hz) {
    return change(ErrorCode::data_out_of_range,
                  "the planners cannot use a reference of " + mhz_text(hz) + " MHz",
                  [&](PanelChange&) {
                      SynthForm& planner = rf_planner(program_, state().rf_freq);
                      type(planner, panel::rf_planner::reference_mhz, mhz_text(hz));
                      click(planner, panel::rf_planner::normal_update);
                      planner.close();
                      // The IF R counter divides the same reference.
                      if (device_profile(state().device_name).if_section) {
                          SynthIfForm& if_window =
                              if_planner(program_, if_vco_hz(state()), if_pfd_hz(state()));
                          click(if_window, panel::if_planner::update_with_r);
                          if_window.close();
                      }
                      return Result{};
                  });
}

Result Panel::if_section() const {
    if (device_profile(state().device_name).if_section) {
        return std::nullopt;
    }
    return ScpiError{ErrorCode::hardware_missing,
                     device_name_of(state()) + " has no IF section (SOURce2, OUTPut2)"};
}

Result Panel::set_if_frequency(double hz) {
    if (Result missing = if_section()) {
        return missing;
    }
    return change(ErrorCode::data_out_of_range,
                  "the IF planner cannot plan " + mhz_text(hz) + " MHz", [&](PanelChange&) {
                      SynthIfForm& planner = if_planner(program_, hz, if_pfd_hz(state()));
                      click(planner, panel::if_planner::update);
                      planner.close();
                      return Result{};
                  });
}

Result Panel::set_if_step(double hz) {
    if (Result missing = if_section()) {
        return missing;
    }
    return change(ErrorCode::data_out_of_range,
                  "the IF planner cannot use a channel step of " + khz_text(hz) + " kHz",
                  [&](PanelChange&) {
                      SynthIfForm& planner = if_planner(program_, if_vco_hz(state()), hz);
                      click(planner, panel::if_planner::update_with_r);
                      planner.close();
                      return Result{};
                  });
}

Result Panel::step_if(bool up) {
    if (Result missing = if_section()) {
        return missing;
    }
    return change(
        ErrorCode::data_out_of_range, "the IF planner cannot step one channel further",
        [&](PanelChange&) {
            SynthIfForm& planner = if_planner(program_, if_vco_hz(state()), if_pfd_hz(state()));
            click(planner, up ? panel::if_planner::step_up : panel::if_planner::step_down);
            planner.close();
            return Result{};
        });
}

Result Panel::set_output(int section, bool on) {
    if (section == 2) {
        if (Result missing = if_section()) {
            return missing;
        }
    }
    const std::string_view name = section == 2 ? mw::if_powerdown : mw::rf_powerdown;
    return change(ErrorCode::settings_conflict, "the powerdown switch was refused",
                  [&](PanelChange&) {
                      MainForm& main = *program_.main_form();
                      const SharedState before = state();
                      // The switch is on while the section is powered down; a
                      // switch that shows otherwise than its field is flipped
                      // twice, so that its handler stores the wanted state.
                      const double field = section == 2 ? before.if_powerdown : before.rf_powerdown;
                      if ((field != 0.0) != on) {
                          return Result{};
                      }
                      if (main.get<ToggleSwitch>(name).state() != on) {
                          click(main, name);
                      }
                      click(main, name);
                      write_changed(before);
                      return Result{};
                  });
}

Result Panel::set_phase(double value) {
    if (!device_profile(state().device_name).phase_register) {
        return ScpiError{ErrorCode::hardware_missing,
                         device_name_of(state()) + " has no phase word"};
    }
    return change(ErrorCode::data_out_of_range, "the phase box refused " + general_form(value),
                  [&](PanelChange&) {
                      MainForm& main = *program_.main_form();
                      const SharedState before = state();
                      type(main, mw::phase_box, general_form(value));
                      click(main, mw::phase_enter);
                      write_changed(before);
                      return Result{};
                  });
}

void Panel::write_through_indicator(int index) {
    MainForm& main = *program_.main_form();
    if (is_shown_register(index)) {
        const auto& indicator =
            main.get<ToggleSwitch>(display_pairs[static_cast<std::size_t>(index)].indicator);
        if (indicator.state()) {
            click(main, indicator.name());
            return;
        }
    }
    program_.link().send(index);
}

void Panel::write_changed(const SharedState& before) {
    const SharedState& now = state();
    const int registers = device_profile(now.device_name).register_count;
    for (int index = registers - 1; index >= 0; --index) {
        const std::optional<uint32_t> word = compose_register(now, index);
        if (word == compose_register(before, index)) {
            continue;
        }
        const bool lit =
            is_shown_register(index) &&
            program_.main_form()
                ->get<ToggleSwitch>(display_pairs[static_cast<std::size_t>(index)].indicator)
                .state();
        if (lit || program_.chip_word(index) != word) {
            write_through_indicator(index);
        }
    }
}

Result Panel::apply_word(int index, uint32_t word) {
    const DeviceProfile& device = device_profile(state().device_name);
    if (index >= device.register_count) {
        return ScpiError{ErrorCode::hardware_missing,
                         device_name_of(state()) + " has no R" + std::to_string(index)};
    }
    std::variant<std::vector<SharedState>, std::string> readings =
        word_readings(state(), index, word);
    if (auto* refusal = std::get_if<std::string>(&readings)) {
        return ScpiError{ErrorCode::data_out_of_range, std::move(*refusal)};
    }
    if (Result blocked = busy()) {
        return blocked;
    }
    // The first reading the panel keeps as it is: its refresh may move a
    // member again (a test mode that selects a noise mode, say).
    std::string moved;
    for (const SharedState& reading : std::get<std::vector<SharedState>>(readings)) {
        PanelChange change(program_, host_);
        SharedState& s = program_.state();
        const SharedState before = s;
        s = reading;
        settle_frequencies(before);
        program_.main_form()->refresh_registers();
        if (const std::optional<uint32_t> kept = compose_register(s, index); kept != word) {
            moved = kept ? "hex " + hex_text(*kept) : "a word it would not send";
            change.refuse();
            continue;
        }
        write_through_indicator(index);
        const Prompts& said = change.finish();
        if (said.refused()) {
            return ScpiError{ErrorCode::data_out_of_range,
                             said.text().empty() ? "R" + std::to_string(index) + " was not sent"
                                                 : said.text()};
        }
        return std::nullopt;
    }
    return ScpiError{ErrorCode::settings_conflict, "the panel cannot hold hex " + hex_text(word) +
                                                       " in R" + std::to_string(index) +
                                                       ": its read-outs turn it into " + moved};
}

void Panel::settle_frequencies(const SharedState& before) {
    // The read-outs follow the dividers, as after a settings load.
    SharedState& s = program_.state();
    if (s.int_val != before.int_val || s.frac_val != before.frac_val ||
        s.mod_val != before.mod_val || s.frac_msb != before.frac_msb ||
        s.frac_lsb != before.frac_lsb) {
        const double rf = device_profile(s.device_name).fraction == FractionKind::fixed_25_bit
                              ? synthesised_fixed_modulus_rf(s)
                              : settled_rf_freq(s);
        if (std::isfinite(rf)) {
            s.rf_freq = rf;
        }
    }
    if (s.if_b != before.if_b || s.if_a != before.if_a || s.if_prescaler != before.if_prescaler) {
        if (const std::optional<double> vco = settled_if_vco_freq(s)) {
            s.if_vco_freq = *vco;
            s.if_n = s.if_prescaler * s.if_b + s.if_a;
        }
    }
}

Result Panel::write_register(int index) {
    const DeviceProfile& device = device_profile(state().device_name);
    // A register the device lacks would go out as the word stored for it,
    // which the chip latches into the register its address bits name.
    if (index >= device.register_count) {
        return ScpiError{ErrorCode::hardware_missing,
                         device_name_of(state()) + " has no R" + std::to_string(index)};
    }
    return change(ErrorCode::data_out_of_range, "R" + std::to_string(index) + " was not sent",
                  [&](PanelChange&) {
                      write_through_indicator(index);
                      return Result{};
                  });
}

Result Panel::write_all() {
    const DeviceProfile& device = device_profile(state().device_name);
    if (full_write_order(device).empty()) {
        return ScpiError{ErrorCode::hardware_missing,
                         device_name_of(state()) + " has no register map"};
    }
    return change(ErrorCode::data_out_of_range, "the registers were not sent", [&](PanelChange&) {
        for (const int index : full_write_order(device)) {
            write_through_indicator(index);
        }
        return Result{};
    });
}

Result Panel::reset() {
    return change(ErrorCode::execution_error, "the reset was refused", [&](PanelChange&) -> Result {
        abort();
        MainForm* old_main = program_.main_form();
        const std::string caption = old_main->get<CaptionControl>(mw::device_label).caption();
        // The start-up state: the zeroed state, the link as it was prepared.
        const SharedState kept = state();
        SharedState& s = program_.state();
        s = SharedState{};
        s.comm_link = kept.comm_link;
        s.fw_path = kept.fw_path;
        s.fw_path_bytes = kept.fw_path_bytes;
        s.usb_status = kept.usb_status;
        s.usb_bits = kept.usb_bits;
        s.usb_buffer = kept.usb_buffer;
        DeviceForm& start = program_.load<DeviceForm>();
        // Its load reads the remembered link; the link in use stays.
        s.comm_link = kept.comm_link;
        for (const DeviceEntry& device : device_catalogue) {
            if (device.device_caption == caption && device.stored_name == kept.device_name) {
                click(start, device.option);
            }
        }
        start.get<OptionButton>(panel::start_window::parallel_port).deselect();
        start.get<OptionButton>(panel::start_window::usb_adapter).deselect();
        start.confirm(false);
        for (const int index : full_write_order(device_profile(state().device_name))) {
            write_through_indicator(index);
        }
        return Result{};
    });
}

Result Panel::load_settings(const std::string& path) {
    return change(ErrorCode::mass_storage_error, "the settings were not loaded",
                  [&](PanelChange& change) {
                      change.answer_file_dialog(path);
                      click(*program_.main_form(), mw::get_settings);
                      return Result{};
                  });
}

Result Panel::store_settings(const std::string& path) {
    return change(ErrorCode::mass_storage_error, "the settings were not saved",
                  [&](PanelChange& change) {
                      change.answer_file_dialog(path);
                      click(*program_.main_form(), mw::save_settings);
                      return Result{};
                  });
}

Form* Panel::exerciser(std::string_view name) const {
    Form* form = program_.find(name);
    // A window the user opened is the user's; ours are never shown.
    return form != nullptr && !program_.is_shown(*form) ? form : nullptr;
}

bool Panel::sweeping() const {
    const Form* sweep = exerciser(panel::sweep_window::name);
    return sweep != nullptr && sweep->get<Timer>(panel::sweep_window::timer).timer_enabled();
}

bool Panel::exercising() const {
    const Form* hop = exerciser(panel::hop_window::name);
    return sweeping() ||
           (hop != nullptr && hop->get<Timer>(panel::hop_window::timer).timer_enabled());
}

void Panel::abort() {
    if (Form* sweep = exerciser(panel::sweep_window::name)) {
        click(*sweep, panel::sweep_window::cancel);
    }
    if (Form* hop = exerciser(panel::hop_window::name)) {
        click(*hop, panel::hop_window::cancel);
    }
}

Result Panel::start_sweep(std::optional<double> start_hz, std::optional<double> stop_hz,
                          std::optional<double> dwell_ms) {
    return change(ErrorCode::data_out_of_range,
                  "the sweep window cannot use its start, stop and dwell", [&](PanelChange&) {
                      abort();
                      SweepForm& sweep = program_.load<SweepForm>();
                      if (start_hz) {
                          type(sweep, panel::sweep_window::start_mhz, mhz_text(*start_hz));
                      }
                      if (stop_hz) {
                          type(sweep, panel::sweep_window::stop_mhz, mhz_text(*stop_hz));
                      }
                      if (dwell_ms) {
                          type(sweep, panel::sweep_window::rate_ms, general_form(*dwell_ms));
                      }
                      click(sweep, panel::sweep_window::start);
                      return Result{};
                  });
}

Result Panel::start_hop(std::optional<double> f1_hz, std::optional<double> f2_hz,
                        std::optional<double> dwell_ms) {
    return change(ErrorCode::data_out_of_range,
                  "the hop window cannot use its frequencies and dwell", [&](PanelChange&) {
                      abort();
                      LockTimeForm& hop = program_.load<LockTimeForm>();
                      hop.take_last_frequencies();
                      if (f1_hz) {
                          type(hop, panel::hop_window::f1_mhz, mhz_text(*f1_hz));
                      }
                      if (f2_hz) {
                          type(hop, panel::hop_window::f2_mhz, mhz_text(*f2_hz));
                      }
                      if (dwell_ms) {
                          type(hop, panel::hop_window::rate_ms, general_form(*dwell_ms));
                      }
                      click(hop, panel::hop_window::start);
                      return Result{};
                  });
}

Panel::ExerciserEntries Panel::designed_entries() {
    // Made, read and dropped: never loaded, so no window of the program changes.
    const SweepForm sweep(program_);
    LockTimeForm hop(program_);
    hop.take_last_frequencies();
    const auto number = [](const Form& form, std::string_view box, double factor) {
        return parse_number(form.get<TextBox>(box).text()).value_or(0.0) * factor;
    };
    return {number(sweep, panel::sweep_window::start_mhz, 1e6),
            number(sweep, panel::sweep_window::stop_mhz, 1e6),
            number(sweep, panel::sweep_window::rate_ms, 1.0),
            number(hop, panel::hop_window::f1_mhz, 1e6),
            number(hop, panel::hop_window::f2_mhz, 1e6),
            number(hop, panel::hop_window::rate_ms, 1.0)};
}

} // namespace zqf::remote
