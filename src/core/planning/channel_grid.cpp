#include "core/planning/channel_grid.h"

#include "core/text/number_text.h"

#include <algorithm>
#include <cmath>

namespace zqf {

namespace {

// Six orders above a double's rounding: a ratio this close to a whole number
// came from it; anything farther is a step off the grid.
constexpr double whole_tolerance = 1e-9;

std::string khz(double hz) {
    return general_form(hz / 1000.0) + " kHz";
}

std::string mhz(double hz) {
    return general_form(hz / 1e6) + " MHz";
}

// "252.631578947368 kHz (MOD 76) and 249.350649350649 kHz (MOD 77)": the two
// whole divisors around `ratio` and what each makes of `whole`.
std::string nearest(double whole, double ratio, const char* divisor) {
    const double below = std::floor(ratio);
    const double above = below + 1.0;
    const std::string high =
        below >= 1.0 ? khz(whole / below) + " (" + divisor + " " + general_form(below) + ")"
                     : std::string();
    const std::string low = khz(whole / above) + " (" + divisor + " " + general_form(above) + ")";
    return high.empty() ? low : high + " and " + low;
}

} // namespace

std::optional<double> whole_ratio(double ratio) {
    if (!std::isfinite(ratio)) {
        return std::nullopt;
    }
    const double whole = std::round(ratio);
    if (std::fabs(ratio - whole) > whole_tolerance * std::max(1.0, std::fabs(whole))) {
        return std::nullopt;
    }
    return whole;
}

std::optional<std::string> channel_grid_misfit(double pfd_hz, double step_hz) {
    if (!(pfd_hz > 0.0) || !(step_hz > 0.0)) {
        return std::nullopt; // a zero PFD or step is an arithmetic fault, met elsewhere
    }
    const double ratio = pfd_hz / step_hz;
    if (whole_ratio(ratio)) {
        return std::nullopt;
    }
    return "The channel step " + khz(step_hz) + " does not divide the PFD " + mhz(pfd_hz) +
           " into a whole MOD (" + general_form(ratio) + "), so the plan would leave the step's " +
           "grid; the nearest steps that do are " + nearest(pfd_hz, ratio, "MOD") + ".";
}

std::optional<std::string> if_reference_misfit(double reference_hz, double if_pfd_hz) {
    if (!(reference_hz > 0.0) || !(if_pfd_hz > 0.0)) {
        return std::nullopt;
    }
    const double ratio = reference_hz / if_pfd_hz;
    if (whole_ratio(ratio)) {
        return std::nullopt;
    }
    return "The IF PFD " + khz(if_pfd_hz) + " does not divide the reference " + mhz(reference_hz) +
           " into a whole R (" + general_form(ratio) +
           "), so the chip would compare at another frequency; the nearest IF PFDs that do are " +
           nearest(reference_hz, ratio, "R") + ".";
}

} // namespace zqf
