#pragma once

#include "core/registers/field_check.h"
#include "core/state/shared_state.h"

#include <optional>
#include <span>
#include <string>

namespace zqf {

// What one step of an exerciser (a tick, a Start, a channel step) came to.
enum class TickKind {
    stored,   // the new values are in the state; the caller writes its registers
    finished, // the end is reached; the timer goes off
    holding,  // nothing to do this time; the timer keeps running
    fault,    // an arithmetic fault (a zero PFD or step); nothing stored
    misfit,   // a divider value does not fit its field; nothing stored
};

struct TickOutcome {
    TickKind kind;
    std::optional<FieldMisfit> misfit{}; // with TickKind::misfit: the field and its value
    std::string reason{}; // with TickKind::misfit and no field misfit: what makes no sense
};

// The fields the exercisers plan: INT with either FRAC and MOD or the two
// halves of the fixed modulus' fraction (a device is checked on those its
// map places).
inline constexpr FieldId divider_fields[] = {FieldId::int_val, FieldId::frac, FieldId::mod,
                                             FieldId::frac_msb, FieldId::frac_lsb};

// Keeps `next` as the new state when each of `checked` fits its field on the
// device and the dividers make sense together (MOD at least 1, FRAC below it,
// R at least 1); otherwise the state stays as it was and the outcome names
// the misfit.
TickOutcome keep_if_fit(SharedState& state, SharedState next, std::span<const FieldId> checked);

// The same for dividers planned afresh from the channel step: where FRAC
// counts steps, the step must also divide the PFD into a whole MOD, or the
// plan would leave the step's grid.
TickOutcome keep_plan_if_fit(SharedState& state, SharedState next,
                             std::span<const FieldId> checked);

} // namespace zqf
