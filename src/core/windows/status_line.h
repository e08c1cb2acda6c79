#pragma once

#include "core/windows/chip_report.h"

#include <cstdint>
#include <string>

namespace zqf {

class Program;

// How a part of the status line reads: as plain text, in amber (the words do
// not reach a board, the chip is behind the panel) or in red (a word refused
// or failed).
enum class StatusTone { plain, warning, fault };

struct StatusPart {
    std::string text;
    StatusTone tone = StatusTone::plain;
    std::string detail; // for a tooltip; may be empty
};

// The main window's status line, worked out afresh from the program: the
// link and whether words reach a board, what the chip's words set its
// outputs to, and the last refusal or failure while it is recent.
struct StatusLine {
    StatusPart link;
    StatusPart chip;
    StatusPart notice; // empty text when there is nothing recent
};

// How long a refusal or a failure stays on the status line.
inline constexpr int64_t notice_ms = 5000;

// `now_ms` on the host's clock, as the bus log and the refusals are stamped.
StatusLine status_line(Program& program, int64_t now_ms);

// The link part alone, from what the start window prepared.
StatusPart link_status(const SharedState& state, const std::string& parallel_port_name);

// The chip part alone, from a chip report, beside the frequencies the panel's
// read-outs state (RF VCO and, on the dual family, IF VCO output).
StatusPart chip_status(const ChipReport& report, const SharedState& panel);

} // namespace zqf
