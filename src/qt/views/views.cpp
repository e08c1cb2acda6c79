#include "qt/views/views.h"

#include "core/windows/names/crystal_controls.h"
#include "core/windows/names/current_controls.h"
#include "core/windows/names/dual_mux_controls.h"
#include "core/windows/names/dual_power_controls.h"
#include "core/windows/names/fast_lock_controls.h"
#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/spur_opt_controls.h"
#include "core/windows/names/sweep_controls.h"
#include "core/windows/names/synth_controls.h"
#include "core/windows/names/synth_if_controls.h"
#include "core/windows/names/test_mode_controls.h"

namespace zqf::qt {

ViewRegistry default_views() {
    // The last column: the button Return presses in that window (the start
    // window, the help windows and the lists beside the panel choose their own).
    ViewRegistry views;
    views.add(FormId::device, build_device_view);
    views.add(FormId::comms_help, build_comms_help_view);
    views.add(FormId::help, build_help_view);
    views.add(FormId::about, build_about_view);
    views.add(FormId::main, build_main_view);
    views.add(FormId::synth, build_synth_view, synth_controls::Command3);
    views.add(FormId::synth_if, build_synth_if_view, synth_if_controls::Command3);
    views.add(FormId::crystal, build_crystal_view, crystal_controls::Command3);
    views.add(FormId::fast_lock, build_fast_lock_view, fast_lock_controls::Command3);
    views.add(FormId::test, build_test_view, test_mode_controls::Command3);
    views.add(FormId::if_test, build_if_test_view, test_mode_controls::Command3);
    for (const FormId current :
         {FormId::current1, FormId::current2, FormId::current7310, FormId::current7340}) {
        views.add(current, build_current_view, current_controls::Command3);
    }
    views.add(FormId::dual_power, build_dual_power_view, dual_power_controls::Command3);
    views.add(FormId::dual_mux, build_dual_mux_view, dual_mux_controls::Command3);
    views.add(FormId::sweep, build_sweep_view, sweep_controls::Command3);
    views.add(FormId::lock_time, build_lock_time_view, lock_time_controls::Command1);
    views.add(FormId::spur_opt, build_spur_opt_view, spur_opt_controls::Command1);
    views.add(FormId::bus_log, build_bus_log_view);
    views.add(FormId::chip_state, build_chip_state_view);
    views.add(FormId::remote_control, build_remote_control_view);
    views.add(FormId::frequency_plot, build_frequency_plot_view);
    return views;
}

} // namespace zqf::qt
