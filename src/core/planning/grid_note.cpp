#include "core/planning/grid_note.h"

#include "core/planning/dividers.h"
#include "core/state/device_profile.h"
#include "core/text/number_text.h"

#include <cmath>

namespace zqf {

namespace {

// Frequencies that differ by less than this are the same frequency.
constexpr double same_hz = 1e-3;

// The fewest decimals, one at least, that show `mhz` to the millihertz.
int decimals_of(double mhz) {
    int decimals = 1;
    for (double scale = 10.0; decimals < 9; ++decimals, scale *= 10.0) {
        // Within half a millihertz of a whole number of the last decimal's units.
        const double scaled = mhz * scale;
        if (std::fabs(scaled - std::round(scaled)) / scale < 0.5e-9) {
            break;
        }
    }
    return decimals;
}

std::string mhz_text(double hz, int decimals) {
    return format_template(hz / 1e6, "#0." + std::string(static_cast<std::size_t>(decimals), '0')) +
           " MHz";
}

// A difference or a step in the unit that reads best, to three decimals at most.
std::string span_text(double hz) {
    const auto in = [hz](double unit, const char* name) {
        return general_form(std::round(hz / unit * 1000.0) / 1000.0) + name;
    };
    if (hz >= 1e6) {
        return in(1e6, " MHz");
    }
    if (hz >= 1e3) {
        return in(1e3, " kHz");
    }
    return in(1.0, " Hz");
}

} // namespace

std::optional<double> planned_output_hz(const SharedState& s) {
    if (device_profile(s.device_name).fraction == FractionKind::fixed_25_bit) {
        return synthesised_fixed_modulus_rf(s);
    }
    if (s.mod_val == 0.0) {
        return std::nullopt;
    }
    return (s.int_val + s.frac_val / s.mod_val) * s.pfd_freq;
}

std::string grid_note(double wanted_hz, double written_hz, double step_hz) {
    const double difference = written_hz - wanted_hz;
    if (!std::isfinite(difference) || std::fabs(difference) < same_hz) {
        return {};
    }
    const int decimals = std::max(decimals_of(wanted_hz / 1e6), decimals_of(written_hz / 1e6));
    return mhz_text(written_hz, decimals) + " written, " + span_text(std::fabs(difference)) +
           (difference < 0.0 ? " below" : " above") + " the wanted " +
           mhz_text(wanted_hz, decimals) + " (" + span_text(step_hz) + " channel grid)";
}

} // namespace zqf
