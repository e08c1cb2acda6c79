#include "core/tools/tick.h"

#include "core/tools/field_guard.h"

namespace zqf {

TickOutcome keep_if_fit(SharedState& state, SharedState next) {
    if (std::optional<std::string> warning = divider_misfit(next)) {
        return {TickKind::misfit, std::move(*warning)};
    }
    state = std::move(next);
    return {TickKind::stored, {}};
}

} // namespace zqf
