#pragma once

// The controls of the frequency plot, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::frequency_plot_controls {

inline constexpr ControlName<CaptionControl> lblSpan{"lblSpan"};
inline constexpr ControlName<ListBox> cboSpan{"cboSpan"};
inline constexpr ControlName<CaptionControl> cmdLive{"cmdLive"};
inline constexpr ControlName<CaptionControl> lblHint{"lblHint"};
inline constexpr ControlName<CaptionControl> cmdExportPng{"cmdExportPng"};
inline constexpr ControlName<CaptionControl> cmdExportCsv{"cmdExportCsv"};
inline constexpr ControlName<CaptionControl> cmdClose{"cmdClose"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(lblSpan), row(cboSpan), row(cmdLive), row(lblHint), row(cmdExportPng), row(cmdExportCsv),
    row(cmdClose),
};
// clang-format on

} // namespace zqf::frequency_plot_controls
