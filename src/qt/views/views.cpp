#include "qt/views/views.h"

namespace zqf::qt {

ViewRegistry default_views() {
    // The last column: the button Return presses in that window (the start
    // window, the help windows and the lists beside the panel choose their own).
    ViewRegistry views;
    views.add("deviceform", build_device_view);
    views.add("comms_help_form", build_comms_help_view);
    views.add("helpform", build_help_view);
    views.add("aboutform", build_about_view);
    views.add("Main", build_main_view);
    views.add("synthform", build_synth_view, "Command3");
    views.add("synthformIF", build_synth_if_view, "Command3");
    views.add("crystalform", build_crystal_view, "Command3");
    views.add("fastlockform", build_fast_lock_view, "Command3");
    views.add("testform", build_test_view, "Command3");
    views.add("iftestform", build_if_test_view, "Command3");
    for (const char* current :
         {"current1form", "current2form", "currentform7310", "currentform7340"}) {
        views.add(current, build_current_view, "Command3");
    }
    views.add("dualpowerform", build_dual_power_view, "Command3");
    views.add("dualmuxform", build_dual_mux_view, "Command3");
    views.add("sweepform", build_sweep_view, "Command3");
    views.add("locktime", build_lock_time_view, "Command1");
    views.add("spur_opt", build_spur_opt_view, "Command1");
    views.add("buslog", build_bus_log_view);
    views.add("chipstate", build_chip_state_view);
    views.add("remotecontrol", build_remote_control_view);
    views.add("freqplot", build_frequency_plot_view);
    return views;
}

} // namespace zqf::qt
