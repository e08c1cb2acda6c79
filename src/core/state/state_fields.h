#pragma once

#include "core/state/shared_state.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace zqf {

// A member of SharedState as a pointer of its exact type, so whoever reads or
// writes it by name keeps the member's width; an array keeps its length.
using StateMember =
    std::variant<std::string SharedState::*, double SharedState::*, int32_t SharedState::*,
                 int16_t SharedState::*, uint8_t SharedState::*,
                 std::array<double, 8> SharedState::*, std::array<std::string, 7> SharedState::*,
                 std::array<uint8_t, 513> SharedState::*, std::array<uint8_t, 5> SharedState::*>;

// One member under its program name.
struct StateField {
    std::string_view name;
    StateMember member;
};

// Every member of SharedState, in the order the struct declares them.
std::span<const StateField> state_fields();

// The member of that name, or nullptr.
const StateField* find_state_field(std::string_view name);

} // namespace zqf
