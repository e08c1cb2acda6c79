#pragma once

#include "core/state/shared_state.h"

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
    std::string warning; // with misfit: the warning that names the field
};

// Keeps `next` as the new state when every divider value in it fits its
// field; otherwise the state stays as it was and the outcome says why.
TickOutcome keep_if_fit(SharedState& state, SharedState next);

} // namespace zqf
