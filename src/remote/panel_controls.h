#pragma once

// Every window and control a remote command works through, in one place. A
// remote command does what a user at the panel would do with these controls,
// so each one here is the control of that window's own table, named for what
// the command does with it.

#include "core/windows/names/device_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/sweep_controls.h"
#include "core/windows/names/synth_controls.h"
#include "core/windows/names/synth_if_controls.h"

#include <string_view>

namespace zqf::remote::panel {

// The main window.
namespace main_window {
inline constexpr std::string_view name = form_name(FormId::main);
inline constexpr auto device_label = main_controls::Device;
inline constexpr auto rf_powerdown = main_controls::Toggle15;
inline constexpr auto if_powerdown = main_controls::Toggle34;
inline constexpr auto phase_box = main_controls::phase_reg_textbox;
inline constexpr auto phase_enter = main_controls::Toggle36;
inline constexpr auto get_settings = main_controls::mnuGet;
inline constexpr auto save_settings = main_controls::mnuSave;
} // namespace main_window

// The start window, confirmed again by *RST.
namespace start_window {
inline constexpr std::string_view name = form_name(FormId::device);
inline constexpr auto confirm = device_controls::Command1;
inline constexpr auto parallel_port = device_controls::option_par;
inline constexpr auto usb_adapter = device_controls::option_usb;
} // namespace start_window

// The RF planner.
namespace rf_planner {
inline constexpr auto frequency_mhz = synth_controls::Text1;
inline constexpr auto reference_mhz = synth_controls::Text4;
inline constexpr auto r_counter = synth_controls::Text5;
inline constexpr auto step_khz = synth_controls::Text3;
inline constexpr auto normal_update = synth_controls::Command3;
inline constexpr auto step_up = synth_controls::Command11;
inline constexpr auto step_down = synth_controls::Command10;
} // namespace rf_planner

// The IF planner.
namespace if_planner {
inline constexpr auto frequency_mhz = synth_if_controls::Text1;
inline constexpr auto pfd_khz = synth_if_controls::Text2;
inline constexpr auto update = synth_if_controls::Command3;
inline constexpr auto update_with_r = synth_if_controls::Command1;
inline constexpr auto step_up = synth_if_controls::Command4;
inline constexpr auto step_down = synth_if_controls::Command5;
} // namespace if_planner

// The frequency sweep.
namespace sweep_window {
inline constexpr std::string_view name = form_name(FormId::sweep);
inline constexpr auto start_mhz = sweep_controls::Text1;
inline constexpr auto stop_mhz = sweep_controls::Text3;
inline constexpr auto rate_ms = sweep_controls::Text4;
inline constexpr auto start = sweep_controls::Command3;
inline constexpr auto cancel = sweep_controls::Command2;
inline constexpr auto timer = sweep_controls::Timer1;
} // namespace sweep_window

// The lock-time hopper.
namespace hop_window {
inline constexpr std::string_view name = form_name(FormId::lock_time);
inline constexpr auto f1_mhz = lock_time_controls::Text1;
inline constexpr auto f2_mhz = lock_time_controls::Text2;
inline constexpr auto rate_ms = lock_time_controls::Text3;
inline constexpr auto start = lock_time_controls::Command1;
inline constexpr auto cancel = lock_time_controls::Command2;
inline constexpr auto timer = lock_time_controls::Timer1;
} // namespace hop_window

} // namespace zqf::remote::panel
