#pragma once

#include "qt/host/view_registry.h"

namespace zqf::qt {

// The views of the windows that have one, by form name.
ViewRegistry default_views();

ViewParts build_device_view(const Form& form, QWidget& window);
ViewParts build_comms_help_view(const Form& form, QWidget& window);
ViewParts build_help_view(const Form& form, QWidget& window);
ViewParts build_about_view(const Form& form, QWidget& window);
ViewParts build_main_view(const Form& form, QWidget& window);
ViewParts build_synth_view(const Form& form, QWidget& window);
ViewParts build_synth_if_view(const Form& form, QWidget& window);
ViewParts build_crystal_view(const Form& form, QWidget& window);
ViewParts build_fast_lock_view(const Form& form, QWidget& window);
ViewParts build_test_view(const Form& form, QWidget& window);
ViewParts build_if_test_view(const Form& form, QWidget& window);
ViewParts build_current_view(const Form& form, QWidget& window);
ViewParts build_dual_power_view(const Form& form, QWidget& window);
ViewParts build_dual_mux_view(const Form& form, QWidget& window);
ViewParts build_sweep_view(const Form& form, QWidget& window);
ViewParts build_lock_time_view(const Form& form, QWidget& window);
ViewParts build_spur_opt_view(const Form& form, QWidget& window);
ViewParts build_bus_log_view(const Form& form, QWidget& window);
ViewParts build_chip_state_view(const Form& form, QWidget& window);
ViewParts build_remote_control_view(const Form& form, QWidget& window);
ViewParts build_frequency_plot_view(const Form& form, QWidget& window);

} // namespace zqf::qt
