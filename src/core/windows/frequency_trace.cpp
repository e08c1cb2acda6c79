#include "core/windows/frequency_trace.h"

#include "core/state/device_profile.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zqf {

namespace {

constexpr double not_known = std::numeric_limits<double>::quiet_NaN();

double seconds(int64_t ms) {
    return static_cast<double>(ms) / 1000.0;
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

std::string mhz_cell(const std::optional<double>& hz) {
    return hz && !std::isnan(*hz) ? general_form(*hz / 1e6) : std::string();
}

} // namespace

void StepTrace::add(double time_s, std::optional<double> hz) {
    const double value = hz.value_or(not_known);
    if (!points_.empty() && same(points_.back().hz, value)) {
        return;
    }
    if (points_.size() >= capacity) {
        points_.erase(points_.begin(), points_.begin() + capacity / 4);
    }
    points_.push_back({time_s, value});
}

std::optional<double> StepTrace::at(double time_s) const {
    const auto after =
        std::upper_bound(points_.begin(), points_.end(), time_s,
                         [](double t, const StepPoint& point) { return t < point.time_s; });
    if (after == points_.begin() || std::isnan(std::prev(after)->hz)) {
        return std::nullopt;
    }
    return std::prev(after)->hz;
}

namespace {

// The points of `points` from the last one at or before `from_s` (the
// frequency entering the span) to the last one before `to_s`.
std::pair<std::size_t, std::size_t> span_of(const std::vector<StepPoint>& points, double from_s,
                                            double to_s) {
    const auto by_time = [](const StepPoint& point, double t) { return point.time_s <= t; };
    auto first = std::lower_bound(points.begin(), points.end(), from_s, by_time);
    if (first != points.begin()) {
        --first;
    }
    const auto last =
        std::lower_bound(first, points.end(), to_s,
                         [](const StepPoint& point, double t) { return point.time_s < t; });
    return {static_cast<std::size_t>(first - points.begin()),
            static_cast<std::size_t>(last - points.begin())};
}

void add_known(std::vector<StepPoint>& out, double t, double hz) {
    if (!std::isnan(hz)) {
        out.push_back({t, hz});
    }
}

} // namespace

std::vector<StepPoint> step_outline(const StepTrace& trace, double from_s, double to_s,
                                    int columns) {
    std::vector<StepPoint> out;
    const std::vector<StepPoint>& points = trace.points();
    if (points.empty() || !(to_s > from_s) || columns < 1) {
        return out;
    }
    const auto [first, end] = span_of(points, from_s, to_s);
    if (first >= end) {
        return out;
    }
    const auto clamp_t = [from_s](double t) { return std::max(t, from_s); };
    if (end - first <= 2 * static_cast<std::size_t>(columns)) {
        add_known(out, clamp_t(points[first].time_s), points[first].hz);
        for (std::size_t i = first + 1; i < end; ++i) {
            add_known(out, points[i].time_s, points[i - 1].hz);
            add_known(out, points[i].time_s, points[i].hz);
        }
        add_known(out, to_s, points[end - 1].hz);
        return out;
    }
    // Dense: a band per column.
    const double width = (to_s - from_s) / columns;
    std::size_t i = first;
    double held = points[i].hz; // the frequency entering the column
    ++i;
    for (int c = 0; c < columns; ++c) {
        const double left = from_s + width * c;
        const double right = c + 1 == columns ? to_s : left + width;
        double low = held;
        double high = held;
        const double entering = held;
        for (; i < end && points[i].time_s < right; ++i) {
            held = points[i].hz;
            if (!std::isnan(held)) {
                low = std::isnan(low) ? held : std::min(low, held);
                high = std::isnan(high) ? held : std::max(high, held);
            }
        }
        add_known(out, left, entering);
        add_known(out, left, low);
        add_known(out, left, high);
        add_known(out, right, held);
    }
    return out;
}

FrequencyTrace::FrequencyTrace(const SharedState& panel, const RegisterWords& chip,
                               const BusLog& log, int64_t now_ms)
    : words_(chip), now_s_(seconds(now_ms)) {
    next_row_ = log.size() > 0 ? log.row(log.size() - 1).number + 1 : 1;
    add_chip(now_s_, panel);
    follow(log, panel, now_ms);
}

void FrequencyTrace::add_chip(double time_s, const SharedState& panel) {
    const OutputFrequencies chip = output_frequencies(panel, words_);
    chip_rf_.add(time_s, chip.rf_hz);
    chip_if_.add(time_s, chip.if_hz);
}

void FrequencyTrace::follow(const BusLog& log, const SharedState& panel, int64_t now_ms) {
    const std::size_t size = log.size();
    // Rows are numbered without gaps, on across a clear; rows the ring let go
    // before they were taken are gone.
    const uint64_t first = size > 0 ? log.row(0).number : next_row_;
    std::size_t i = next_row_ > first ? static_cast<std::size_t>(next_row_ - first) : 0;
    while (i < size) {
        const int64_t time_ms = log.row(i).time_ms;
        for (; i < size && log.row(i).time_ms == time_ms; ++i) {
            const BusLogRow& row = log.row(i);
            if (row.delivery == Delivery::sent && row.index >= 0 &&
                row.index < static_cast<int>(words_.size())) {
                words_[static_cast<std::size_t>(row.index)] = row.word;
            }
        }
        add_chip(seconds(time_ms), panel);
    }
    if (size > 0) {
        next_row_ = log.row(size - 1).number + 1;
    }
    now_s_ = std::max(now_s_, seconds(now_ms));
    // What the panel says the outputs are: its RF and IF VCO read-outs.
    panel_rf_.add(now_s_, panel.rf_freq);
    if (device_profile(panel.device_name).if_section) {
        panel_if_.add(now_s_, panel.if_vco_freq * 1e6);
    }
}

std::string FrequencyTrace::csv(bool with_if) const {
    std::vector<const StepTrace*> traces{&chip_rf_, &panel_rf_};
    std::string text = "time (s),chip RF (MHz),panel RF (MHz)";
    if (with_if) {
        traces.push_back(&chip_if_);
        traces.push_back(&panel_if_);
        text += ",chip IF (MHz),panel IF (MHz)";
    }
    text += '\n';
    std::vector<double> times;
    for (const StepTrace* trace : traces) {
        for (const StepPoint& point : trace->points()) {
            times.push_back(point.time_s);
        }
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    for (const double t : times) {
        text += format_template(t, "0.000");
        for (const StepTrace* trace : traces) {
            text += ',' + mhz_cell(trace->at(t));
        }
        text += '\n';
    }
    return text;
}

} // namespace zqf
