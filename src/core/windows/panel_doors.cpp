#include "core/windows/panel_doors.h"

#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/windows/crystal_form.h"
#include "core/windows/current_form.h"
#include "core/windows/dual_mux_form.h"
#include "core/windows/dual_power_form.h"
#include "core/windows/fast_lock_form.h"
#include "core/windows/help_form.h"
#include "core/windows/lock_time_form.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"
#include "core/windows/spur_opt_form.h"
#include "core/windows/sweep_form.h"
#include "core/windows/synth_form.h"
#include "core/windows/synth_if_form.h"
#include "core/windows/test_mode_form.h"

namespace zqf {

template <typename F> void PanelDoors::open_modal() {
    program_.show_modal(program_.load<F>());
}

PanelDoors::PanelDoors(MainForm& panel, Program& program) : panel_(panel), program_(program) {
    const auto on_click = [&panel](std::initializer_list<std::string_view> names,
                                   std::function<void()> action) {
        for (const std::string_view name : names) {
            panel.find(name)->on_click = action;
        }
    };
    on_click({main_controls::Command8}, [this] { program_.link().send_all_registers(); });
    on_click({main_controls::Label1, main_controls::Label2, main_controls::Label11,
              main_controls::Label12, main_controls::Label29, main_controls::Label38,
              main_controls::vcofreq, main_controls::ref_freq, main_controls::crystal,
              main_controls::crystalIF, main_controls::fraclabel, main_controls::modulus,
              main_controls::synthmenu},
             [this] { open_rf_planner(); });
    on_click({main_controls::Label36, main_controls::Label37, main_controls::ifvcofreq,
              main_controls::ifref_freq},
             [this] { program_.show_modal(program_.load<SynthIfForm>()); });
    on_click({main_controls::Label42},
             [this] { program_.show_modal(program_.load<CrystalForm>()); });
    panel.find(main_controls::Frame13)->on_drop = [this] {
        program_.show_modal(program_.load<FastLockForm>());
    };
    on_click({main_controls::Label6, main_controls::Label4, main_controls::currentsetting2},
             [this] { open_rf_current(); });
    on_click({main_controls::current2menu}, [this] { open_modal<Current2Form>(); });
    on_click({main_controls::current1menu}, [this] { open_modal<Current1Form>(); });
    on_click({main_controls::Command6}, [this] { open_rf_test_modes(); });
    on_click({main_controls::Command3}, [this] { open_modal<IfTestForm>(); });
    on_click({main_controls::Command13}, [this] { open_modal<DualMuxForm>(); });
    // Doors of the IF section's devices only: elsewhere they do nothing.
    const auto if_section_door = [this](auto open) {
        return [this, open] {
            if (device_profile(program_.state().device_name).if_section) {
                open();
            }
        };
    };
    on_click({main_controls::Command1, main_controls::Label5},
             if_section_door([this] { open_modal<DualMuxForm>(); }));
    on_click({main_controls::Command2, main_controls::Label13, main_controls::Label10,
              main_controls::Label16},
             if_section_door([this] { open_modal<DualPowerForm>(); }));
    on_click({main_controls::Label7, main_controls::Label30, main_controls::currentsetting1},
             if_section_door([this] { open_modal<Current1Form>(); }));
    on_click({main_controls::Command9, main_controls::Command7, main_controls::mnufreqsweep},
             [this] { program_.show_modal(program_.load<SweepForm>()); });
    on_click({main_controls::Command11, main_controls::mnufreqhop}, [this] { open_hopper(true); });
    on_click({main_controls::Command5}, [this] { open_hopper(false); });
    on_click({main_controls::command14},
             [this] { program_.show_modal(program_.load<SpurOptForm>()); });
    on_click({main_controls::aboutmenu}, [this] { open_modal_help(true); });
    on_click({main_controls::mnuProg}, [this] { open_modal_help(false); });
}

void PanelDoors::open_rf_planner() {
    // The doubler switch is a door to the planner, not a setting: once the
    // planner closes it shows the doubler as stored, also when the planner
    // was left without an update.
    program_.show_modal(program_.load<SynthForm>(), [this] {
        panel_.get(main_controls::Toggle13)
            .set_state(program_.state().doubler_field == bit_weight<int32_t>(19));
    });
}

void PanelDoors::open_hopper(bool with_last_frequencies) {
    LockTimeForm& hopper = program_.load<LockTimeForm>();
    if (with_last_frequencies) {
        hopper.take_last_frequencies();
    }
    program_.show_modal(hopper);
}

void PanelDoors::open_rf_test_modes() {
    open_modal<TestForm>();
}

void PanelDoors::open_fast_lock(std::function<void()> then) {
    program_.show_modal(program_.load<FastLockForm>(), std::move(then));
}

void PanelDoors::open_rf_current() {
    switch (device_profile(program_.state().device_name).rf_current_window) {
    case RfCurrentWindow::current2form:
        open_modal<Current2Form>();
        return;
    case RfCurrentWindow::currentform7340:
        open_modal<CurrentForm7340>();
        return;
    case RfCurrentWindow::currentform7310:
        open_modal<CurrentForm7310>();
        return;
    }
}

void PanelDoors::open_modal_help(bool about) {
    if (about) {
        program_.show_modal(program_.load<AboutForm>());
        return;
    }
    program_.show_modal(program_.load<HelpForm>());
}

} // namespace zqf
