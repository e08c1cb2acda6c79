// The JSON document: the device, its transfer width, and each register in
// write order with its word and every field of the family's map (key, name,
// bits and value), so that a program needs no register table of its own.
#include "core/registers/export_writers.h"
#include "core/registers/field_ids.h"

namespace zqf::export_writers {

namespace {

// A JSON string: quotes, backslashes and control characters escaped; bytes
// above 0x7F pass as they are.
std::string quoted(std::string_view text) {
    constexpr std::string_view digits = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += digits[byte >> 4];
            out += digits[byte & 0xFU];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string field_object(const WordField& field) {
    const FieldInfo& info = field_info(field.id);
    return "{\"key\": " + quoted(info.key) + ", \"name\": " + quoted(info.name) +
           ", \"high\": " + std::to_string(field.bits.high()) +
           ", \"low\": " + std::to_string(field.bits.low) +
           ", \"value\": " + std::to_string(field.code) + "}";
}

std::string register_object(const ExportSubject& subject, const RegisterWord& word) {
    std::string text =
        "    {\n      \"index\": " + std::to_string(word.index) +
        ",\n      \"word\": " + quoted(word_literal(word.word, subject.device.transfer_bits)) +
        ",\n      \"fields\": [";
    const std::vector<WordField> fields = fields_of(subject, word);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += (i == 0 ? "\n        " : ",\n        ") + field_object(fields[i]);
    }
    return text + (fields.empty() ? "]\n    }" : "\n      ]\n    }");
}

} // namespace

std::string json(const ExportSubject& subject, std::span<const RegisterWord> words) {
    std::string text = "{\n  \"device\": " + quoted(subject.device.stored_name) +
                       ",\n  \"source\": " + quoted(subject.source) +
                       ",\n  \"transfer_bits\": " + std::to_string(subject.device.transfer_bits) +
                       ",\n  \"registers\": [";
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += (i == 0 ? "\n" : ",\n") + register_object(subject, words[i]);
    }
    return text + (words.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

} // namespace zqf::export_writers
