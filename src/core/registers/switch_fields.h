#pragma once

#include "core/registers/field_ids.h"
#include "core/registers/register_maps.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace zqf {

// A switch that sets a field's code when on: the member and the value it
// holds come from where the bit table places the field.
struct FieldCode {
    FieldId id;
    double code = 1.0;
};

// A member and the value it holds when the switch is on, for a switch whose
// value the bit table cannot give.
struct MemberValue {
    FieldRef member;
    double value;
};

// What a two-state switch of the main panel stores when on (0 when off),
// by the switch's control name: written once for the panel that stores it,
// the read-outs that show it and the tooltips that explain it.
struct SwitchField {
    std::string_view control;
    std::variant<FieldCode, MemberValue> given;
};

std::span<const SwitchField> switch_fields();

// The switch's row; nullptr for a switch that stores no field of its own.
const SwitchField* switch_field(std::string_view control);

// The member the switch sets and the value it holds when on, the same on
// every device; nothing when no catalogue device places its field.
std::optional<MemberValue> member_value(const SwitchField& row);

} // namespace zqf
