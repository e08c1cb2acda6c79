#include "qt/views/views.h"

namespace zqf::qt {

ViewRegistry default_views() {
    ViewRegistry views;
    views.add("deviceform", build_device_view);
    views.add("comms_help_form", build_comms_help_view);
    views.add("helpform", build_help_view);
    views.add("aboutform", build_about_view);
    views.add("Main", build_main_view);
    views.add("synthform", build_synth_view);
    views.add("synthformIF", build_synth_if_view);
    views.add("crystalform", build_crystal_view);
    views.add("fastlockform", build_fast_lock_view);
    views.add("testform", build_test_view);
    views.add("iftestform", build_if_test_view);
    for (const char* current :
         {"current1form", "current2form", "currentform7310", "currentform7340"}) {
        views.add(current, build_current_view);
    }
    views.add("dualpowerform", build_dual_power_view);
    views.add("dualmuxform", build_dual_mux_view);
    views.add("sweepform", build_sweep_view);
    views.add("locktime", build_lock_time_view);
    views.add("spur_opt", build_spur_opt_view);
    views.add("buslog", build_bus_log_view);
    views.add("chipstate", build_chip_state_view);
    views.add("remotecontrol", build_remote_control_view);
    return views;
}

} // namespace zqf::qt
