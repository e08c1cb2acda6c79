#include "core/registers/field_access.h"

#include <type_traits>

namespace zqf {

double field_value(const SharedState& state, const FieldRef& field) {
    return std::visit(
        [&state](auto member) -> double {
            if constexpr (std::is_same_v<decltype(member), std::monostate>) {
                return 0.0;
            } else {
                return static_cast<double>(state.*member);
            }
        },
        field);
}

void set_field(SharedState& state, const FieldRef& field, double value) {
    std::visit(
        [&state, value](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                using T = std::remove_reference_t<decltype(state.*member)>;
                state.*member = static_cast<T>(value);
            }
        },
        field);
}

} // namespace zqf
