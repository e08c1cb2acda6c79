// Brings the main window's read-outs and switch states into line with the
// field values. Computes no register word.
#include "core/registers/field_check.h"
#include "core/registers/readouts.h"
#include "core/state/device_profile.h"
#include "core/text/number_entry.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"
#include "core/windows/update_indicators.h"

namespace zqf {

void MainForm::refresh_registers() {
    SharedState& s = program_.state();
    const Readouts r = compute_readouts(s);
    for (const auto& [control, text] : r.frequencies) {
        get<CaptionControl>(control).set_caption(text);
    }
    for (const auto& [control, on] : r.switches_before_currents) {
        get<ToggleSwitch>(control).set_state(on);
    }
    if (r.prescale) {
        get(main_controls::prescale).set_caption(*r.prescale);
    }
    if (r.currentsetting1) {
        get(main_controls::currentsetting1).set_caption(*r.currentsetting1);
    }
    if (r.currentsetting2) {
        get(main_controls::currentsetting2).set_caption(*r.currentsetting2);
    }
    if (r.toggle4) {
        get(main_controls::Toggle4).set_state(*r.toggle4);
    }
    if (r.noise_option) {
        // Selecting a mode from here runs its handler as a click would, which
        // stores the mode's pattern and refreshes once more.
        OptionButton& chosen = get<OptionButton>(*r.noise_option);
        chosen.select();
        for (const ControlName<OptionButton> name :
             {main_controls::Option1, main_controls::Option2, main_controls::Option3}) {
            get(name).set_colour(&get(name) == &chosen ? CaptionColour::text
                                                       : CaptionColour::shadow);
        }
    }
    if (r.muxout_name) {
        get(main_controls::Label5).set_caption(*r.muxout_name);
    }
    if (device_profile(s.device_name).phase_register) {
        // A phase text that is no number, or none the phase field can carry,
        // keeps the phase last taken.
        if (const auto phase = parse_number(get(main_controls::phase_reg_textbox).text());
            phase && !check_field(device_profile(s.device_name), FieldId::phase, *phase)) {
            s.phase_value = *phase;
        }
    }
    for (const auto& [control, on] : r.powerdown_switches) {
        get<ToggleSwitch>(control).set_state(on);
    }
}

void MainForm::run_steps(const Steps& steps) {
    for (const Step step : steps) {
        if (step == Step::refresh) {
            refresh_registers();
        } else if (step == Step::send_all) {
            program_.link().send_all_registers();
        } else {
            light(indicator_of(step));
        }
    }
}

} // namespace zqf
