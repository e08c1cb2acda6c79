#pragma once

#include "cli/outcome.h"
#include "core/state/shared_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace zqf::cli {

// A shared-state member named as a script names it after "state.": NAME, or
// NAME[K] for an entry of an array member.

// The member's value as text: reals in general form, whole numbers (bytes
// too) in decimal, texts as they stand.
Outcome<std::string> read_state(const SharedState& state, std::string_view name);

// Stores `value` in the member: a real as an entry reads it, a whole number
// only when it fits the member's width, a text as it stands.
std::optional<Failure> write_state(SharedState& state, std::string_view name,
                                   std::string_view value);

} // namespace zqf::cli
