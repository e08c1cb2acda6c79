#include "core/planning/limits.h"

#include <algorithm>
#include <array>

namespace zqf {

namespace {

// The smallest INT the prescaler allows, per device group. The 32-bit
// devices' prescaler runs with a smaller INT than the 24-bit ones'.
struct IntLimit {
    std::array<std::string_view, 3> devices;
    int32_t prescaler;
    double min_int;
    std::string_view message;
};

constexpr std::array<std::string_view, 3> group_24_bit{"ZQF7310", "ZQF7320", "ZQF7620"};
constexpr std::array<std::string_view, 3> group_32_bit{"ZQF7340", "ZQF7350", "ZQF7360"};

constexpr IntLimit int_limits[] = {
    {group_24_bit, 8, 88, "Minimum N value allowed when P=8 is 88."},
    {group_24_bit, 4, 31, "Minimum N value allowed when P=4 is 31."},
    {group_32_bit, 8, 75, "Minimum N value allowed when P=8 is 75."},
    {group_32_bit, 4, 23, "Minimum N value allowed when P=4 is 23."},
};

constexpr LimitFailure pfd_too_high{"Invalid entry in PFD Comparison Frequency. (Fmax = 32MHz)",
                                    "Text4"};

bool applies_to(const IntLimit& limit, std::string_view device) {
    return std::find(limit.devices.begin(), limit.devices.end(), device) != limit.devices.end();
}

} // namespace

std::optional<LimitFailure> check_limits(const SharedState& s) {
    if (s.pfd_freq > max_pfd_hz) {
        return pfd_too_high;
    }
    for (const IntLimit& limit : int_limits) {
        if (applies_to(limit, s.device_name) && s.prescaler_p == limit.prescaler &&
            s.int_val < limit.min_int) {
            return LimitFailure{limit.message, {}};
        }
    }
    return std::nullopt;
}

} // namespace zqf
