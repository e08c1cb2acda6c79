#pragma once

#include "core/ui/controls.h"

#include <span>
#include <string_view>

namespace zqf {

// The name of a control of type C on some window. Code names controls through
// constants of this type, written once in the window's table, so a misspelt
// name does not compile and the constant knows what kind of control it names.
template <typename C> struct ControlName {
    std::string_view text;

    // Where a plain name is wanted (focus, entries read by name, scripts).
    constexpr operator std::string_view() const { return text; }
    std::string str() const { return std::string(text); }
};

// One row of a window's table: a name and whether a control has its type.
struct NamedControl {
    std::string_view text;
    bool (*fits)(const Control& control);
};

template <typename C> constexpr NamedControl row(ControlName<C> name) {
    return {name.text,
            [](const Control& control) { return dynamic_cast<const C*>(&control) != nullptr; }};
}

using ControlTable = std::span<const NamedControl>;

} // namespace zqf
