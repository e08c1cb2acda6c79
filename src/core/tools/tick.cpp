#include "core/tools/tick.h"

#include "core/planning/channel_grid.h"
#include "core/registers/member_domain.h"
#include "core/state/device_profile.h"

namespace zqf {

TickOutcome keep_if_fit(SharedState& state, SharedState next, std::span<const FieldId> checked) {
    if (std::optional<FieldMisfit> misfit = check_stored_fields(next, checked)) {
        return {TickKind::misfit, misfit};
    }
    if (std::optional<SenseFault> fault = divider_sense(next)) {
        return {TickKind::misfit, std::nullopt, std::move(fault->text)};
    }
    state = std::move(next);
    return {TickKind::stored};
}

TickOutcome keep_plan_if_fit(SharedState& state, SharedState next,
                             std::span<const FieldId> checked) {
    if (device_profile(next.device_name).fraction == FractionKind::modulus) {
        if (std::optional<std::string> off_grid =
                channel_grid_misfit(next.pfd_freq, next.chan_step)) {
            return {TickKind::misfit, std::nullopt, std::move(*off_grid)};
        }
    }
    return keep_if_fit(state, std::move(next), checked);
}

} // namespace zqf
