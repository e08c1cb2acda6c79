// The JSON document: the device, its transfer width, and each register in
// write order with its word and every field of the family's map (key, name,
// bits and value), so that a program needs no register table of its own.
#include "core/registers/export_writers.h"
#include "core/registers/field_ids.h"

namespace zqf::export_writers {

namespace {

// How many bytes a UTF-8 sequence with this lead byte has; 0 for a byte that
// cannot lead one.
std::size_t sequence_length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t utf8_length(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = sequence_length(lead);
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return 0;
        }
    }
    // No overlong forms, no surrogates, nothing above U+10FFFF.
    const bool bad_second = (lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
                            (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F);
    return bad_second ? 0 : length;
}

// A JSON string: quotes, backslashes and control characters escaped, and a
// byte that is no part of well-formed UTF-8 (a file name in another code
// page) replaced by U+FFFD, so the document stays valid JSON.
std::string quoted(std::string_view text) {
    constexpr std::string_view digits = "0123456789abcdef";
    std::string out = "\"";
    while (!text.empty()) {
        const char c = text[0];
        const auto byte = static_cast<unsigned char>(c);
        const std::size_t length = utf8_length(text);
        if (length == 0) {
            out += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += digits[byte >> 4];
            out += digits[byte & 0xFU];
        } else {
            out += text.substr(0, length);
        }
        text.remove_prefix(length);
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
