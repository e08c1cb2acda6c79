#pragma once

#include "core/state/device_profile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zqf {

// A register and the word a write sends to it.
struct RegisterWord {
    int index = 0;
    uint32_t word = 0;
};

enum class ExportFormat {
    hex,  // one line a word: R<k>, a tab, the word
    c,    // a header for firmware: one #define a register and an array in write order
    csv,  // a table: register, word, bit string, one column per field
    json, // the device, its transfer width and every register's fields
};

struct ExportFormatInfo {
    ExportFormat format;
    std::string_view name;   // as `--format` names it
    std::string_view filter; // the save dialog's filter, "Text (*.x)|*.x"
};

// Every format, in the order the save dialog offers them.
std::span<const ExportFormatInfo> export_formats();
std::optional<ExportFormat> export_format_named(std::string_view name);

// What the words are and where they come from.
struct ExportSubject {
    const DeviceProfile& device;
    std::string_view source; // a settings file's name, or what else produced the words
};

// The words, in the order given, as text in `format`, each split into the
// named fields of its register in the device's family (a register the family
// has no map for shows no fields).
std::string export_registers(ExportFormat format, const ExportSubject& subject,
                             std::span<const RegisterWord> words);

// "0x" and the word in upper-case hex, zero-padded to the transfer width
// (6 digits for 24 bits, 8 for 32).
std::string word_literal(uint32_t word, int transfer_bits);

} // namespace zqf
