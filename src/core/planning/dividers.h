#pragma once

#include "core/state/bit_weight.h"
#include "core/state/shared_state.h"

#include <optional>

namespace zqf {

// The ZQF7350's fixed modulus, 2^25, and the two halves its fraction is
// split into: 12 upper bits and 13 lower bits.
inline constexpr double fixed_modulus = bit_weight(25);
inline constexpr double fraction_msb_units = bit_weight(12);
inline constexpr double fraction_lsb_units = bit_weight(13);

// INT, MOD and FRAC of a plan, each truncated toward minus infinity.
struct DividerPlan {
    double int_val;
    double mod_val;
    double frac_val;
};

// INT = RF / PFD, MOD = PFD / step, FRAC = (RF - INT x PFD) / step. Nothing
// is guaranteed about FRAC < MOD when the PFD is no whole multiple of the
// step. Nothing when a division fails.
std::optional<DividerPlan> plan_dividers(double rf, double pfd, double step);

// INT and the 25-bit fraction of the ZQF7350 in its two halves.
struct FixedModulusPlan {
    double int_val;
    double frac_msb;
    double frac_lsb;
};

// The lower half is rounded to the nearest unit. When that rounding reaches
// a whole upper unit it carries into the upper half, and a full upper half
// carries into INT, so no half ever overflows into its neighbour's bits.
std::optional<FixedModulusPlan> plan_fixed_modulus(double rf, double pfd);

// The ZQF7350's 25-bit fraction, 8192 x frac_msb + frac_lsb.
double fraction25(const SharedState& state);
double fraction25(const FixedModulusPlan& plan);

// The frequency the ZQF7350's dividers synthesise, in Hz.
double synthesised_fixed_modulus_rf(const SharedState& state);

// compute_dividers: from rf_freq, pfd_freq and chan_step, stores int_val and
// either mod_val and frac_val or, on the ZQF7350, frac_msb and frac_lsb and
// the whole 25-bit fraction as frac_val over mod_val = 2^25.
// On an arithmetic fault (a zero PFD or step) it stores nothing and returns false.
[[nodiscard]] bool compute_dividers(SharedState& state);

// reduce_fraction: brings FRAC/MOD to lowest terms by trial division, as the
// 16-bit routine of the LCD mode does. A zero FRAC, or a MOD or FRAC that a
// 16-bit whole number cannot hold, leaves the fraction as it is.
void reduce_fraction(SharedState& state);

} // namespace zqf
