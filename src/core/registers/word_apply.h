#pragma once

#include "core/state/shared_state.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zqf {

// The panel as a raw word of register `index` leaves it: a copy of `now` whose
// members behind the register's fields hold the word's codes, so that the
// register assembles to exactly `word` again. The inverse of the assembly.
//
// Members that move together move together (the prescaler's three members,
// the IF prescaler's two, the two doubler fields, the dual muxout index), the
// RF output and IF VCO frequencies follow the new dividers as a settings load
// settles them, and nothing outside the register changes.
//
// Overlays (noise-and-spur patterns, RF phase resync, the spare) add on top of
// other fields, so a word can be read more than one way. Every reading is
// returned, preferred first: the overlays keeping their present values, then
// each value the panel can give them in turn (the three noise modes'
// patterns, resync off or on). In each, what the overlays leave must lie
// wholly in the fields' bits, a fixed bit must be set, and the result must
// assemble to the word. No reading at all: the reason, for the first one tried.
// (The panel decides among the readings: the first it keeps as it is.)
std::variant<std::vector<SharedState>, std::string> word_readings(const SharedState& now, int index,
                                                                  uint32_t word);

} // namespace zqf
