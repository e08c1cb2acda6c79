#pragma once

#include "core/link/bus_log.h"
#include "core/windows/chip_report.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zqf {

// A frequency held from a moment on, until the next point: a step trace. A
// NaN frequency is not known from that moment.
struct StepPoint {
    double time_s;
    double hz;
};

// The points of one output, oldest first, each a change of frequency; the
// oldest are dropped once there are too many, so a long hop keeps its memory flat.
class StepTrace {
  public:
    static constexpr std::size_t capacity = 1 << 18;

    // Adds a point where the frequency differs from the last one.
    void add(double time_s, std::optional<double> hz);
    const std::vector<StepPoint>& points() const { return points_; }
    // The frequency held at `time_s`: the last point at or before it.
    std::optional<double> at(double time_s) const;

  private:
    std::vector<StepPoint> points_;
};

// The line that draws `trace` as steps from `from_s` to `to_s` (the trace
// holds its last frequency up to `to_s`): a corner at each change. Where the
// changes are more than two to a column of `columns` across the span, each
// column shows the band it covers instead (the frequency it starts with, its
// lowest, its highest, the one it ends with), so a long fast hop draws with
// a few points per column. Stretches where the frequency is not known are left out.
std::vector<StepPoint> step_outline(const StepTrace& trace, double from_s, double to_s,
                                    int columns);

// The outputs of the chip against time, read from each word the bus log
// shows delivered (the chip's words decoded as the chip state decodes them),
// beside the outputs the panel states (its RF and IF VCO read-outs), looked at
// whenever the trace follows. Words delivered in the same millisecond count
// as one change, as the chip settles only once the last of them is in.
class FrequencyTrace {
  public:
    // Starts from the words the chip holds now, at `now_ms`; rows of the log
    // from `log` on are yet to come.
    FrequencyTrace(const SharedState& panel, const RegisterWords& chip, const BusLog& log,
                   int64_t now_ms);

    // Takes the rows added to the log since the last call, and the panel as it
    // stands at `now_ms`.
    void follow(const BusLog& log, const SharedState& panel, int64_t now_ms);

    const StepTrace& chip_rf() const { return chip_rf_; }
    const StepTrace& chip_if() const { return chip_if_; }
    const StepTrace& panel_rf() const { return panel_rf_; }
    const StepTrace& panel_if() const { return panel_if_; }
    // The moment of the last follow, in seconds on the program's clock.
    double now_s() const { return now_s_; }

    // Every change as a line of comma-separated values, after a heading: the
    // time in seconds, then the chip's RF output and the panel's in MHz (and
    // the IF outputs on the dual family) as they stand from that moment; an
    // empty cell where a frequency is not known.
    std::string csv(bool with_if) const;

  private:
    void add_chip(double time_s, const SharedState& panel);

    RegisterWords words_{};
    uint64_t next_row_ = 1; // the number of the first row not yet taken
    StepTrace chip_rf_;
    StepTrace chip_if_;
    StepTrace panel_rf_;
    StepTrace panel_if_;
    double now_s_ = 0.0;
};

} // namespace zqf
