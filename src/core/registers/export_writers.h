#pragma once

// The writers behind export_registers, one per format, and what they share.
#include "core/registers/register_export.h"
#include "core/registers/word_fields.h"

#include <string>
#include <vector>

namespace zqf::export_writers {

std::string hex(const ExportSubject& subject, std::span<const RegisterWord> words);
std::string c_header(const ExportSubject& subject, std::span<const RegisterWord> words);
std::string csv(const ExportSubject& subject, std::span<const RegisterWord> words);
std::string json(const ExportSubject& subject, std::span<const RegisterWord> words);

// The word's fields, most significant first.
std::vector<WordField> fields_of(const ExportSubject& subject, const RegisterWord& word);

// A field's key with its bits as a hardware description writes them:
// "int_val[22:14]", "fast_lock[23]".
std::string field_label(const WordField& field);

// The word's bits, most significant first, as many as the device transfers.
std::string bit_string(uint32_t word, int transfer_bits);

} // namespace zqf::export_writers
