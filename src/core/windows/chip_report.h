#pragma once

#include "core/registers/register_maps.h"
#include "core/state/shared_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zqf {

// A word per register, R0 to R7; nothing where there is none.
using RegisterWords = std::array<std::optional<uint32_t>, register_slots>;

enum class RegisterStatus {
    current,       // the chip holds the word the panel would send
    stale,         // the panel's word has changed since the chip's was written
    never_written, // the chip has had no word for it yet
    no_panel_word, // the panel's fields form no word that could be sent
};

// One named field of a register, as the chip holds it and as the panel would set it.
struct FieldReport {
    FieldId id;
    BitRange bits;
    std::optional<uint32_t> chip;
    std::optional<uint32_t> panel;
};

struct RegisterReport {
    int index;
    int word_bits;
    std::optional<uint32_t> chip;
    std::optional<uint32_t> panel;
    std::vector<FieldReport> fields; // most significant first
    RegisterStatus status;
};

// What a group of fields sets the chip to (a frequency, a current, a name),
// on the chip and on the panel; nothing where a register it needs is unknown.
struct SettingReport {
    std::string name;
    std::optional<std::string> chip;
    std::optional<std::string> panel;
};

// An output frequency in plain words ("chip: 1750.40000 MHz, panel:
// 1750.20000 MHz, R0 not written since the last change").
struct SummaryLine {
    std::string text;
    bool agrees; // the chip is where the panel says
};

struct ChipReport {
    std::vector<RegisterReport> registers;
    std::vector<SettingReport> settings;
    // The RF line, and the IF line on the dual family.
    std::vector<SummaryLine> summary;
};

// Decodes the chip's words with the device's bit tables and sets them beside
// the words the panel's fields would send now. The reference frequency and
// the current-setting resistor come from the panel, as the chip has neither.
ChipReport chip_report(const SharedState& panel, const RegisterWords& chip);

// The RF output, and the IF output on the dual family, in Hz that a set of
// words gives, with the reference frequency of `panel`; nothing where a word
// it needs is missing or a divider is 0. The same arithmetic as the report's.
struct OutputFrequencies {
    std::optional<double> rf_hz;
    std::optional<double> if_hz;
};
OutputFrequencies output_frequencies(const SharedState& panel, const RegisterWords& words);

// "stale", "never written" and the like, for a register's status column.
std::string_view status_text(RegisterStatus status);

} // namespace zqf
