#pragma once

// Every window and control a remote command works through, in one place. A
// remote command does what a user at the panel would do with these controls,
// so each name here is the control's own name on its window.

#include <string_view>

namespace zqf::remote::panel {

// The main window.
namespace main_window {
inline constexpr std::string_view name = "Main";
inline constexpr std::string_view device_label = "Device";
inline constexpr std::string_view rf_powerdown = "Toggle15";
inline constexpr std::string_view if_powerdown = "Toggle34";
inline constexpr std::string_view phase_box = "phase_reg_textbox";
inline constexpr std::string_view phase_enter = "Toggle36";
inline constexpr std::string_view get_settings = "mnuGet";
inline constexpr std::string_view save_settings = "mnuSave";
} // namespace main_window

// The start window, confirmed again by *RST.
namespace start_window {
inline constexpr std::string_view name = "deviceform";
inline constexpr std::string_view confirm = "Command1";
inline constexpr std::string_view parallel_port = "option_par";
inline constexpr std::string_view usb_adapter = "option_usb";
} // namespace start_window

// The RF planner (synthform).
namespace rf_planner {
inline constexpr std::string_view frequency_mhz = "Text1";
inline constexpr std::string_view reference_mhz = "Text4";
inline constexpr std::string_view r_counter = "Text5";
inline constexpr std::string_view step_khz = "Text3";
inline constexpr std::string_view normal_update = "Command3";
inline constexpr std::string_view step_up = "Command11";
inline constexpr std::string_view step_down = "Command10";
} // namespace rf_planner

// The IF planner (synthformIF).
namespace if_planner {
inline constexpr std::string_view frequency_mhz = "Text1";
inline constexpr std::string_view pfd_khz = "Text2";
inline constexpr std::string_view update = "Command3";
inline constexpr std::string_view update_with_r = "Command1";
inline constexpr std::string_view step_up = "Command4";
inline constexpr std::string_view step_down = "Command5";
} // namespace if_planner

// The frequency sweep (sweepform).
namespace sweep_window {
inline constexpr std::string_view name = "sweepform";
inline constexpr std::string_view start_mhz = "Text1";
inline constexpr std::string_view stop_mhz = "Text3";
inline constexpr std::string_view rate_ms = "Text4";
inline constexpr std::string_view start = "Command3";
inline constexpr std::string_view cancel = "Command2";
inline constexpr std::string_view timer = "Timer1";
} // namespace sweep_window

// The lock-time hopper (locktime).
namespace hop_window {
inline constexpr std::string_view name = "locktime";
inline constexpr std::string_view f1_mhz = "Text1";
inline constexpr std::string_view f2_mhz = "Text2";
inline constexpr std::string_view rate_ms = "Text3";
inline constexpr std::string_view start = "Command1";
inline constexpr std::string_view cancel = "Command2";
inline constexpr std::string_view timer = "Timer1";
} // namespace hop_window

} // namespace zqf::remote::panel
