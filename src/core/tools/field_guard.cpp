#include "core/tools/field_guard.h"

namespace zqf {

std::optional<std::string> divider_misfit(const SharedState&) {
    return std::nullopt;
}

} // namespace zqf
