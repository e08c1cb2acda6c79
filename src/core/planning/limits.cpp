#include "core/planning/limits.h"

#include "core/state/device_profile.h"

#include <array>

namespace zqf {

namespace {

// The smallest INT the prescaler allows, per device group. The 32-bit
// devices' prescaler runs with a smaller INT than the 24-bit ones'.
struct IntLimit {
    IntLimitGroup group;
    int32_t prescaler;
    double min_int;
    std::string_view message;
};

constexpr IntLimit int_limits[] = {
    {IntLimitGroup::group_24_bit, 8, 88, "Minimum N value allowed when P=8 is 88."},
    {IntLimitGroup::group_24_bit, 4, 31, "Minimum N value allowed when P=4 is 31."},
    {IntLimitGroup::group_32_bit, 8, 75, "Minimum N value allowed when P=8 is 75."},
    {IntLimitGroup::group_32_bit, 4, 23, "Minimum N value allowed when P=4 is 23."},
};

constexpr LimitFailure pfd_too_high{"Invalid entry in PFD Comparison Frequency. (Fmax = 32MHz)",
                                    "Text4"};

} // namespace

std::optional<LimitFailure> check_limits(const SharedState& s) {
    if (s.pfd_freq > max_pfd_hz) {
        return pfd_too_high;
    }
    const IntLimitGroup group = device_profile(s.device_name).int_limits;
    for (const IntLimit& limit : int_limits) {
        if (limit.group == group && s.prescaler_p == limit.prescaler && s.int_val < limit.min_int) {
            return LimitFailure{limit.message, {}};
        }
    }
    return std::nullopt;
}

} // namespace zqf
