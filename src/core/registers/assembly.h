#pragma once

#include "core/state/devices.h"
#include "core/state/shared_state.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zqf {

enum class Assembly {
    skipped,   // nothing assembled, shown or sent
    overflow,  // a whole-number partial sum overflowed; nothing stored or sent
    refused,   // the new word is not one the chip can trust; nothing stored or sent
    assembled, // reg_word, tx_word and the texts hold the new word
    resent,    // the device has no such register: the stored word goes again
};

struct Assembled {
    Assembly outcome;
    std::string refusal; // why the word was refused, naming the register
    std::string reason;  // the same without the register's name ("its word ... is negative.")
    // Refused only because the device cannot carry the test-mode window's value.
    bool uncarried_test_mode = false;
};

// Assembles the word of register state.reg_index for state.device_name: the
// sum of the family's terms plus the register number. A word that does not
// decode to exactly what the members hold (check_word) is refused.
// Otherwise it is stored in reg_word, copied to tx_word and rendered into
// reg_text_bin/reg_text_hex (R0 to R6).
Assembled assemble_register(SharedState& state);

// The word register `index` would carry if it were sent now, as a whole
// number below 2^32, without storing, showing or sending anything; nothing
// when no word would go (no such register on the device, or a word the
// assembly refuses).
std::optional<uint32_t> compose_register(const SharedState& state, int index);

// Number of bits the display pair of register `index` shows for the family.
int display_length(Family family, int index);

// The word as `length` characters "0"/"1", most significant bit first; the
// empty text for lengths 25 to 31 (and for lengths below 1).
std::string bits_text(double word, int length);

// The word's hexadecimal text as the display pair shows it.
std::string word_hex(double word);

} // namespace zqf
