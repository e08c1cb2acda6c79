#include "core/tools/tick.h"

namespace zqf {

TickOutcome keep_if_fit(SharedState& state, SharedState next, std::span<const FieldId> checked) {
    if (std::optional<FieldMisfit> misfit = check_stored_fields(next, checked)) {
        return {TickKind::misfit, misfit};
    }
    state = std::move(next);
    return {TickKind::stored};
}

} // namespace zqf
