// The status line reads the program as the bus log and the chip state do: it
// changes nothing and is worked out only when the view asks.
#include "core/windows/status_line.h"

#include "core/windows/chip_state_form.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include "core/text/number_text.h"

#include <algorithm>

#include <mutex>

namespace zqf {

namespace {

std::optional<std::string> chip_side(const ChipReport& report, std::string_view setting) {
    for (const SettingReport& s : report.settings) {
        if (s.name == setting) {
            return s.chip;
        }
    }
    return std::nullopt;
}

// One output of the chip, and what the panel's read-out says where that differs
// at the read-out's resolution.
struct Output {
    std::string text;
    bool differs = false;
};

Output output_text(const ChipReport& report, std::string_view setting, std::string_view prefix,
                   double panel_mhz) {
    const std::optional<std::string> chip = chip_side(report, setting);
    if (!chip) {
        return {std::string(prefix) + "not known yet", false};
    }
    const std::string panel = format_template(panel_mhz, "#0.00000") + " MHz";
    if (*chip == panel) {
        return {std::string(prefix) + *chip, false};
    }
    return {std::string(prefix) + *chip + " (panel reads " + panel + ")", true};
}

// The newest row of the bus log, if it failed.
const BusLogRow* last_failure(const BusLog& log) {
    if (log.size() == 0) {
        return nullptr;
    }
    const BusLogRow& row = log.row(log.size() - 1);
    return row.delivery == Delivery::failed ? &row : nullptr;
}

} // namespace

StatusPart link_status(const SharedState& state, const std::string& parallel_port_name) {
    if (state.comm_link == "par") {
        if (parallel_port_name.empty()) {
            return {
                "parallel port not claimed: words do not reach the board", StatusTone::warning, {}};
        }
        return {"parallel port " + parallel_port_name, StatusTone::plain, {}};
    }
    if (state.comm_link == "usb") {
        if (state.usb_status < 0) {
            return {
                "USB adapter not detected: words do not reach the board", StatusTone::warning, {}};
        }
        return {"USB adapter ready", StatusTone::plain, {}};
    }
    return {"no link: words are not sent", StatusTone::warning, {}};
}

StatusPart chip_status(const ChipReport& report, const SharedState& panel) {
    if (report.summary.empty()) {
        return {};
    }
    const Output rf = output_text(report, "RF output", "chip: RF ", panel.rf_freq / 1e6);
    std::string text = rf.text;
    bool differs = rf.differs;
    if (report.summary.size() > 1) {
        const Output if_out = output_text(report, "IF output", "IF ", panel.if_vco_freq);
        text += ", " + if_out.text;
        differs = differs || if_out.differs;
    }
    const auto stale =
        std::count_if(report.registers.begin(), report.registers.end(),
                      [](const RegisterReport& r) { return r.status == RegisterStatus::stale; });
    if (stale > 0) {
        text +=
            " - " + std::to_string(stale) + (stale == 1 ? " register" : " registers") + " stale";
    }
    const bool agrees = std::all_of(report.summary.begin(), report.summary.end(),
                                    [](const SummaryLine& line) { return line.agrees; });
    std::string detail;
    for (const SummaryLine& line : report.summary) {
        detail += (detail.empty() ? "" : "\n") + line.text;
    }
    if (stale > 0) {
        detail += "\nthe panel would send another word to:";
        for (const RegisterReport& r : report.registers) {
            if (r.status == RegisterStatus::stale) {
                detail += " R" + std::to_string(r.index);
            }
        }
    }
    return {std::move(text),
            stale > 0 || !agrees || differs ? StatusTone::warning : StatusTone::plain,
            std::move(detail)};
}

StatusLine status_line(Program& program, int64_t now_ms) {
    StatusLine line;
    line.link = link_status(program.state(), program.platform().parallel_port_name());
    line.chip = chip_status(chip_state(program), program.state());
    // The newer of the last refusal and the last failure, while it is recent.
    const Program::Refusal& refusal = program.last_refusal();
    const BusLogRow* failure = last_failure(program.bus_log());
    const bool refusal_newer =
        !refusal.reason.empty() && (failure == nullptr || refusal.time_ms >= failure->time_ms);
    if (refusal_newer && now_ms - refusal.time_ms < notice_ms) {
        line.notice = {refusal.reason, StatusTone::fault, {}};
    } else if (!refusal_newer && failure != nullptr && now_ms - failure->time_ms < notice_ms) {
        line.notice = {"R" + std::to_string(failure->index) + " " +
                           bus_log_cell(*failure, BusLogColumn::outcome),
                       StatusTone::fault,
                       {}};
    }
    return line;
}

StatusLine MainForm::status() const {
    // Read at screen rate beside the ticks, which change what it reads.
    const std::scoped_lock hold(program_.host().model_lock());
    return status_line(program_, program_.host().now_ms());
}

} // namespace zqf
