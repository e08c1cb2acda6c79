#include "core/registers/register_export.h"

#include "core/registers/export_writers.h"
#include "core/registers/field_ids.h"

#include <array>

namespace zqf {

namespace {

// The hex list is plain text; ".hex" would promise Intel HEX to other tools.
constexpr std::array<ExportFormatInfo, 4> formats{{
    {ExportFormat::hex, "hex", "Hex Word List (*.txt)|*.txt"},
    {ExportFormat::c, "c", "C Header (*.h)|*.h"},
    {ExportFormat::csv, "csv", "CSV Table (*.csv)|*.csv"},
    {ExportFormat::json, "json", "JSON (*.json)|*.json"},
}};

} // namespace

std::span<const ExportFormatInfo> export_formats() {
    return formats;
}

std::optional<ExportFormat> export_format_named(std::string_view name) {
    for (const ExportFormatInfo& info : formats) {
        if (info.name == name) {
            return info.format;
        }
    }
    return std::nullopt;
}

std::string export_registers(ExportFormat format, const ExportSubject& subject,
                             std::span<const RegisterWord> words) {
    switch (format) {
    case ExportFormat::hex:
        return export_writers::hex(subject, words);
    case ExportFormat::c:
        return export_writers::c_header(subject, words);
    case ExportFormat::csv:
        return export_writers::csv(subject, words);
    case ExportFormat::json:
        return export_writers::json(subject, words);
    }
    return {};
}

std::string word_literal(uint32_t word, int transfer_bits) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    const int width = transfer_bits / 4;
    std::string text = "0x";
    for (int nibble = width - 1; nibble >= 0; --nibble) {
        text += digits[(word >> (4 * nibble)) & 0xFU];
    }
    return text;
}

namespace export_writers {

std::vector<WordField> fields_of(const ExportSubject& subject, const RegisterWord& word) {
    return split_word(subject.device, word.index, word.word);
}

std::string field_label(const WordField& field) {
    std::string label(field_info(field.id).key);
    label += '[' + std::to_string(field.bits.high());
    if (field.bits.width > 1) {
        label += ':' + std::to_string(field.bits.low);
    }
    return label + ']';
}

std::string bit_string(uint32_t word, int transfer_bits) {
    std::string bits;
    for (int b = transfer_bits - 1; b >= 0; --b) {
        bits += ((word >> b) & 1U) != 0 ? '1' : '0';
    }
    return bits;
}

std::string hex(const ExportSubject& subject, std::span<const RegisterWord> words) {
    std::string text;
    for (const RegisterWord& word : words) {
        text += 'R' + std::to_string(word.index) + '\t' +
                word_literal(word.word, subject.device.transfer_bits) + '\n';
    }
    return text;
}

} // namespace export_writers

} // namespace zqf
