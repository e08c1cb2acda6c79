#include "core/planning/fast_lock.h"

#include "core/planning/arithmetic.h"
#include "core/registers/field_check.h"
#include "core/text/number_entry.h"

#include <cmath>

namespace zqf {

std::optional<double> fast_lock_count(std::string_view text, const DeviceProfile& device) {
    const std::optional<double> count = parse_number(text);
    if (!count || *count != std::floor(*count) || *count < 0.0 || *count > max_fast_lock_count ||
        check_field(device, FieldId::mod, *count)) {
        return std::nullopt;
    }
    return *count;
}

std::optional<double> fast_lock_interval_us(std::string_view count_text,
                                            std::string_view pfd_mhz_text) {
    const std::optional<double> count = parse_number(count_text);
    const std::optional<double> pfd = parse_number(pfd_mhz_text);
    if (!count || !pfd) {
        return std::nullopt;
    }
    return quotient(*count, *pfd);
}

} // namespace zqf
