#include "core/tools/phase_sweep.h"

#include "core/planning/arithmetic.h"
#include "core/planning/dividers.h"

namespace zqf {

namespace {

constexpr FieldId phase_field[] = {FieldId::phase};
constexpr FieldId phase_and_dividers[] = {FieldId::int_val,  FieldId::frac,     FieldId::mod,
                                          FieldId::frac_msb, FieldId::frac_lsb, FieldId::phase};

// rf_freq and the dividers planned from it, kept only together and only when
// every field of `checked` fits.
TickOutcome plan_at(SharedState& s, SharedState next, std::optional<double> rf_hz,
                    std::span<const FieldId> checked) {
    if (!rf_hz) {
        return {TickKind::fault};
    }
    next.rf_freq = *rf_hz;
    if (!compute_dividers(next)) {
        return {TickKind::fault};
    }
    return keep_plan_if_fit(s, std::move(next), checked);
}

} // namespace

TickOutcome start_phase_sweep(SharedState& s, double phase, double rf_hz) {
    SharedState next = s;
    next.phase_value = phase;
    return plan_at(s, std::move(next), finite(rf_hz), phase_and_dividers);
}

bool phase_sweep_holds(const SharedState& s) {
    return !(s.phase_value < s.mod_val - 1.0);
}

TickOutcome phase_tick(SharedState& s) {
    if (phase_sweep_holds(s)) {
        return {TickKind::holding};
    }
    SharedState next = s;
    next.phase_value += 1.0;
    return keep_if_fit(s, std::move(next), phase_field);
}

TickOutcome step_channel(SharedState& s, double direction) {
    return plan_at(s, s, finite(s.rf_freq + direction * s.chan_step), divider_fields);
}

} // namespace zqf
