#pragma once

#include "core/state/shared_state.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zqf {

// Whether `word`, as it went out for register `index`, decodes with the
// device's bit table to what the state's members hold: the register's
// address, reserved bits clear, fixed bits set, every field that no overlay
// adds to holding exactly its member's code, and the whole word the sum of
// every member's share, within the device's width. The first difference, or
// nothing. Built on the decoder (split_word), not on the guard's arithmetic,
// so that the property tests and fuzzers judge the guard from outside.
std::optional<std::string> audit_word(const SharedState& state, int index, uint32_t word);

} // namespace zqf
