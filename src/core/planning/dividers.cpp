#include "core/planning/dividers.h"

#include "core/planning/arithmetic.h"
#include "core/planning/channel_grid.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"

#include <algorithm>
#include <cmath>

namespace zqf {

namespace {

// The integer part, but a quotient that is a whole number save for the
// rounding of its division counts as that number: a step of PFD / 77 typed to
// fifteen digits gives MOD 77, not 76.
double whole_part(double quotient) {
    const std::optional<double> whole = whole_ratio(quotient);
    return (whole ? *whole : std::floor(quotient)) + 0.0; // never -0
}

} // namespace

std::optional<DividerPlan> plan_dividers(double rf, double pfd, double step) {
    const std::optional<double> n = quotient(rf, pfd);
    const std::optional<double> mod = quotient(pfd, step);
    if (!n || !mod) {
        return std::nullopt;
    }
    const double int_val = whole_part(*n);
    const std::optional<double> frac = quotient(rf - int_val * pfd, step);
    if (!frac) {
        return std::nullopt;
    }
    return DividerPlan{int_val, whole_part(*mod), std::max(0.0, whole_part(*frac))};
}

std::optional<FixedModulusPlan> plan_fixed_modulus(double rf, double pfd) {
    const std::optional<double> n = quotient(rf, pfd);
    if (!n) {
        return std::nullopt;
    }
    double int_val = std::floor(*n);
    const double upper = fraction_msb_units * (*n - int_val);
    double msb = std::floor(upper);
    double lsb = std::floor(fraction_lsb_units * (upper - msb) + 0.5);
    if (lsb >= fraction_lsb_units) {
        lsb = 0.0;
        msb += 1.0;
    }
    if (msb >= fraction_msb_units) {
        msb = 0.0;
        int_val += 1.0;
    }
    return FixedModulusPlan{int_val, msb, lsb};
}

double fraction25(const SharedState& s) {
    return fraction_lsb_units * s.frac_msb + s.frac_lsb;
}

double fraction25(const FixedModulusPlan& plan) {
    return fraction_lsb_units * plan.frac_msb + plan.frac_lsb;
}

double synthesised_fixed_modulus_rf(const SharedState& s) {
    return (fraction25(s) / fixed_modulus + s.int_val) * s.pfd_freq;
}

bool compute_dividers(SharedState& s) {
    if (device_profile(s.device_name).fraction == FractionKind::fixed_25_bit) {
        const std::optional<FixedModulusPlan> plan = plan_fixed_modulus(s.rf_freq, s.pfd_freq);
        if (!plan) {
            return false;
        }
        s.int_val = plan->int_val;
        s.frac_msb = plan->frac_msb;
        s.frac_lsb = plan->frac_lsb;
        // The whole fraction over the fixed modulus too: a settings file holds
        // FRAC and MOD, not the halves, and the read-outs divide FRAC by MOD.
        s.frac_val = fraction25(*plan);
        s.mod_val = fixed_modulus;
        return true;
    }
    const std::optional<DividerPlan> plan = plan_dividers(s.rf_freq, s.pfd_freq, s.chan_step);
    if (!plan) {
        return false;
    }
    s.int_val = plan->int_val;
    s.mod_val = plan->mod_val;
    s.frac_val = plan->frac_val;
    return true;
}

void reduce_fraction(SharedState& s) {
    const std::optional<int16_t> start_mod = to_int16(s.mod_val);
    const std::optional<int16_t> start_frac = to_int16(s.frac_val);
    if (!start_mod || !start_frac || s.frac_val == 0.0) {
        return;
    }
    int m = *start_mod;
    int f = *start_frac;
    int d = 1;
    // The bound is fixed once from the starting modulus; every common divisor
    // found restarts the trial at 2.
    const int bound = static_cast<int>(std::floor(m / 2.0 + 1.0));
    for (int i = 2; i <= bound;) {
        if (m % i == 0 && f % i == 0) {
            m /= i;
            f /= i;
            d *= i;
            i = 2;
        } else {
            ++i;
        }
    }
    s.mod_val /= d;
    s.frac_val /= d;
}

} // namespace zqf
