#include "cli/decode_command.h"

#include "cli/command_args.h"
#include "cli/command_status.h"
#include "cli/device_names.h"
#include "cli/script_words.h"
#include "core/registers/field_ids.h"
#include "core/registers/register_export.h"
#include "core/registers/word_fields.h"
#include "core/state/device_profile.h"

#include <algorithm>
#include <charconv>
#include <iomanip>
#include <vector>

namespace zqf::cli {

namespace {

constexpr OptionSpec decode_options[] = {{"device", true}, {"json", false}};

std::string range_text(const BitRange& bits) {
    return bits.width == 1 ? std::to_string(bits.low)
                           : std::to_string(bits.high()) + '-' + std::to_string(bits.low);
}

// A word as the command line gives it: "0x" and hexadecimal digits, or
// decimal digits; nothing else, and no wider than the device transfers.
Outcome<uint32_t> parse_word(std::string_view text, int transfer_bits) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const std::string_view digits = hex ? text.substr(2) : text;
    uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    const bool whole = !digits.empty() && error == std::errc() && end == digits.end();
    if (!whole) {
        return Failure{quote(text) + " is no word: give 0x and hexadecimal digits, or decimal"};
    }
    if (value >= (uint64_t{1} << transfer_bits)) {
        return Failure{quote(text) + " does not fit in the device's " +
                       std::to_string(transfer_bits) + "-bit words"};
    }
    return static_cast<uint32_t>(value);
}

// The word with its register, or why the device has no register for it.
Outcome<RegisterWord> register_word(const DeviceProfile& device, std::string_view text) {
    const Outcome<uint32_t> parsed = parse_word(text, device.transfer_bits);
    if (const Failure* failure = failure_of(parsed)) {
        return *failure;
    }
    const uint32_t word = std::get<uint32_t>(parsed);
    const int index = static_cast<int>(word & ((1U << control_bits(device.family)) - 1U));
    if (register_map(device.family, index) == nullptr) {
        return Failure{word_literal(word, device.transfer_bits) + " carries the address of R" +
                       std::to_string(index) + ", which the " + std::string(device.stored_name) +
                       " does not have"};
    }
    return RegisterWord{index, word};
}

void print_fields(std::ostream& out, const DeviceProfile& device, const RegisterWord& word) {
    const std::vector<WordField> fields = split_word(device, word.index, word.word);
    // One column width for every register, so a list of words lines up.
    std::size_t key_width = 0;
    for (const FieldInfo& info : field_infos()) {
        key_width = std::max(key_width, info.key.size());
    }
    out << 'R' << word.index << '\t' << word_literal(word.word, device.transfer_bits) << '\n';
    for (const WordField& field : fields) {
        const FieldInfo& info = field_info(field.id);
        out << "  " << std::left << std::setw(6) << range_text(field.bits) << ' '
            << std::setw(static_cast<int>(key_width)) << info.key << ' ' << std::right
            << std::setw(10) << field.code << "  " << info.name << '\n';
    }
}

} // namespace

int decode_command(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto refuse = [&err](const std::string& reason) {
        err << "error: " << printable(reason) << '\n'
            << decode_usage.substr(0, decode_usage.find('\n') + 1);
        return command_refused;
    };
    const Outcome<CommandArgs> parsed = parse_command_args(args, decode_options);
    if (const Failure* failure = failure_of(parsed)) {
        return refuse(failure->reason);
    }
    const CommandArgs& command = std::get<CommandArgs>(parsed);
    const std::optional<std::string> name = command.value("device");
    if (!name) {
        return refuse("--device NAME is missing");
    }
    const Outcome<const DeviceEntry*> entry = device_named(*name);
    if (const Failure* failure = failure_of(entry)) {
        return refuse(failure->reason);
    }
    if (command.operands().empty()) {
        return refuse("no word to decode");
    }
    const DeviceProfile& device = device_profile(std::get<const DeviceEntry*>(entry)->stored_name);
    // Every word is checked before anything is printed: all of them or none.
    std::vector<RegisterWord> words;
    for (const std::string& text : command.operands()) {
        const Outcome<RegisterWord> word = register_word(device, text);
        if (const Failure* failure = failure_of(word)) {
            err << "error: " << printable(failure->reason) << '\n';
            return command_refused;
        }
        words.push_back(std::get<RegisterWord>(word));
    }
    if (command.flag("json")) {
        out << export_registers(ExportFormat::json, {device, "the command line"}, words);
        return command_done;
    }
    for (const RegisterWord& word : words) {
        print_fields(out, device, word);
    }
    return command_done;
}

} // namespace zqf::cli
