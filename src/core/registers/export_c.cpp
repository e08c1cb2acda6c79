// The C header a firmware engineer includes: the words of one setting as
// named constants and as an array in the order the chip must be written.
#include "core/registers/export_writers.h"
#include "core/registers/field_ids.h"

namespace zqf::export_writers {

namespace {

constexpr std::size_t comment_width = 78;

// Text that may stand inside a comment: no line breaks, nothing that ends
// the comment early or opens another.
std::string comment_safe(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            out += '?';
        } else if ((c == '/' && !out.empty() && out.back() == '*') ||
                   (c == '*' && !out.empty() && out.back() == '/')) {
            out += ' ';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

// The device name as the start of C identifiers: letters and digits, the
// rest as underscores.
std::string identifier(std::string_view name, bool upper) {
    std::string out;
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit) {
            out += '_';
        } else if (letter) {
            out += static_cast<char>(upper ? (c & ~0x20) : (c | 0x20));
        } else {
            out += c;
        }
    }
    if (out.empty() || (out[0] >= '0' && out[0] <= '9')) {
        out.insert(0, "zqf_");
    }
    return out;
}

// One comment naming the register's fields and their values, wrapped.
std::string fields_comment(const ExportSubject& subject, const RegisterWord& word) {
    std::vector<std::string> items;
    for (const WordField& field : fields_of(subject, word)) {
        // The address is the register's number; reserved bits matter only when set.
        const bool reserved_clear = field.id == FieldId::reserved && field.code == 0;
        if (field.id != FieldId::address && !reserved_clear) {
            items.push_back(field_label(field) + " = " + std::to_string(field.code));
        }
    }
    std::string text;
    std::string line = "/* R" + std::to_string(word.index) + ":";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = ' ' + items[i] + (i + 1 < items.size() ? "," : "");
        if (line.size() + item.size() > comment_width) {
            text += line + '\n';
            line = "  ";
        }
        line += item;
    }
    // A register of nothing but its address (the dual family's R7) says so.
    return text + (items.empty() ? "/* R" + std::to_string(word.index) : line) + " */\n";
}

} // namespace

std::string c_header(const ExportSubject& subject, std::span<const RegisterWord> words) {
    const std::string device(subject.device.stored_name);
    const std::string upper = identifier(device, true);
    const std::string lower = identifier(device, false);
    const std::string guard = upper + "_REGISTERS_H";
    const std::string count = upper + "_REGISTER_COUNT";
    const int width = subject.device.transfer_bits;

    std::string text = "/* " + comment_safe(device) + " register words, " + std::to_string(width) +
                       "-bit, from " + comment_safe(subject.source) +
                       ".\n * Write them to the chip in the order of " + lower +
                       "_registers[]. */\n";
    text += "#ifndef " + guard + "\n#define " + guard + "\n\n#include <stdint.h>\n\n";
    for (const RegisterWord& word : words) {
        text += fields_comment(subject, word);
        text += "#define " + upper + "_R" + std::to_string(word.index) + " UINT32_C(" +
                word_literal(word.word, width) + ")\n";
    }
    text += "\n#define " + count + ' ' + std::to_string(words.size()) + "\n\n";
    text += "static const uint32_t " + lower + "_registers[" + count + "] = {\n";
    for (const RegisterWord& word : words) {
        text += "    " + upper + "_R" + std::to_string(word.index) + ",\n";
    }
    text += "};\n\n#endif /* " + guard + " */\n";
    return text;
}

} // namespace zqf::export_writers
