#include "core/tools/frequency_sweep.h"

#include "core/planning/arithmetic.h"
#include "core/planning/dividers.h"
#include "core/tools/exerciser_profile.h"

namespace zqf {

namespace {

bool steps_by_fraction_unit(const SharedState& s) {
    return exerciser_profile(s.device_name).fixed_modulus;
}

TickOutcome fixed_modulus_step(SharedState& s) {
    SharedState next = s;
    const std::optional<double> position =
        finite(next.sweep_position_fixed + next.pfd_freq / fixed_modulus);
    if (!position) {
        return {TickKind::fault};
    }
    next.sweep_position_fixed = *position;
    next.rf_freq = *position;
    if (!compute_dividers(next)) {
        return {TickKind::fault};
    }
    return keep_plan_if_fit(s, std::move(next), divider_fields);
}

TickOutcome channel_step(SharedState& s) {
    const std::optional<double> position = finite(s.sweep_position + s.sweep_step);
    const std::optional<DividerPlan> plan =
        position ? plan_dividers(*position, s.pfd_freq, s.chan_step) : std::nullopt;
    if (!plan) {
        return {TickKind::fault};
    }
    SharedState next = s;
    next.sweep_position = *position;
    next.int_val = plan->int_val;
    next.mod_val = plan->mod_val;
    next.frac_val = plan->frac_val;
    return keep_plan_if_fit(s, std::move(next), divider_fields);
}

} // namespace

void start_sweep(SharedState& s, double start_hz, double stop_hz) {
    s.sweep_position = start_hz;
    s.sweep_stop = stop_hz;
    s.sweep_step = s.chan_step;
    s.sweep_position_fixed = start_hz;
    s.sweep_stop_fixed = stop_hz;
}

double sweep_position(const SharedState& s) {
    return steps_by_fraction_unit(s) ? s.sweep_position_fixed : s.sweep_position;
}

double sweep_stop(const SharedState& s) {
    return steps_by_fraction_unit(s) ? s.sweep_stop_fixed : s.sweep_stop;
}

TickOutcome sweep_tick(SharedState& s) {
    if (sweep_stop(s) <= sweep_position(s)) {
        s.rf_freq = sweep_position(s);
        return {TickKind::finished};
    }
    return steps_by_fraction_unit(s) ? fixed_modulus_step(s) : channel_step(s);
}

} // namespace zqf
