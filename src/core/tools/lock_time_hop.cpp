#include "core/tools/lock_time_hop.h"

#include "core/planning/arithmetic.h"
#include "core/planning/dividers.h"
#include "core/tools/exerciser_profile.h"

namespace zqf {

TickOutcome hop_tick(SharedState& s, double f1_mhz, double f2_mhz) {
    SharedState next = s;
    next.hop_f1 = f1_mhz;
    next.hop_f2 = f2_mhz;
    next.hop_last_f1 = f1_mhz;
    next.hop_last_f2 = f2_mhz;
    next.hop_used = 1;
    next.hop_current = next.hop_current == f1_mhz ? f2_mhz : f1_mhz;

    const std::optional<double> hz = finite(next.hop_current * 1e6);
    const std::optional<DividerPlan> plan =
        hz ? plan_dividers(*hz, next.pfd_freq, next.chan_step) : std::nullopt;
    if (!plan) {
        return {TickKind::fault};
    }
    next.int_val = plan->int_val;
    next.mod_val = plan->mod_val;
    next.frac_val = plan->frac_val;
    if (exerciser_profile(next.device_name).fixed_modulus) {
        next.rf_freq = *hz;
        next.chan_step = next.pfd_freq / fixed_modulus;
        if (!compute_dividers(next)) {
            return {TickKind::fault};
        }
    }
    return keep_plan_if_fit(s, std::move(next), divider_fields);
}

} // namespace zqf
