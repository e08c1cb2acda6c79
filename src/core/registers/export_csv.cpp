// The CSV table: a row a register in write order, a column a field. A field
// column is named by its key and bits, so the table alone re-assembles every
// word and a spreadsheet shows where each value sits.
#include "core/registers/export_writers.h"

#include <algorithm>

namespace zqf::export_writers {

namespace {

// Every field the family's registers are split into, by the order of the
// registers and then of the bits, each once.
std::vector<std::string> field_columns(const ExportSubject& subject) {
    std::vector<std::string> columns;
    for (int index = 0; index < subject.device.register_count; ++index) {
        for (const WordField& field : fields_of(subject, {index, 0})) {
            const std::string label = field_label(field);
            if (std::find(columns.begin(), columns.end(), label) == columns.end()) {
                columns.push_back(label);
            }
        }
    }
    return columns;
}

} // namespace

std::string csv(const ExportSubject& subject, std::span<const RegisterWord> words) {
    const std::vector<std::string> columns = field_columns(subject);
    std::string text = "register,word,bits";
    for (const std::string& column : columns) {
        text += ',' + column;
    }
    text += '\n';
    for (const RegisterWord& word : words) {
        std::vector<std::string> cells(columns.size());
        for (const WordField& field : fields_of(subject, word)) {
            const auto column = std::find(columns.begin(), columns.end(), field_label(field));
            if (column != columns.end()) {
                cells[static_cast<std::size_t>(column - columns.begin())] =
                    std::to_string(field.code);
            }
        }
        text += 'R' + std::to_string(word.index) + ',' +
                word_literal(word.word, subject.device.transfer_bits) + ',' +
                bit_string(word.word, subject.device.transfer_bits);
        for (const std::string& cell : cells) {
            text += ',' + cell;
        }
        text += '\n';
    }
    return text;
}

} // namespace zqf::export_writers
