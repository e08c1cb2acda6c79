// Registers, the board as the Bus Log and the Chip State see it, and the
// settings files of MMEMory.
#include "remote/commands.h"

#include "core/registers/field_ids.h"
#include "core/registers/word_fields.h"
#include "core/state/device_profile.h"
#include "core/text/number_text.h"
#include "core/windows/chip_state_form.h"
#include "core/windows/program.h"
#include "remote/header_pattern.h"
#include "remote/link_state.h"
#include "remote/mass_storage.h"

#include <array>

namespace zqf::remote {

namespace {

// The register a REGister<n> header names.
Got<int> register_index(const Call& call) {
    if (call.suffixes.empty() || !call.suffixes[0]) {
        return ScpiError{ErrorCode::header_suffix_out_of_range,
                         "name the register: REGister0 to REGister7"};
    }
    return suffix(call, 0, 0, 0, 7);
}

// The word the chip holds in the register, as the Chip State shows it.
Got<uint32_t> chip_word(const Call& call, int index) {
    const std::optional<uint32_t> word = call.instrument.program().chip_word(index);
    if (!word) {
        return ScpiError{ErrorCode::data_stale,
                         "nothing has been written to R" + std::to_string(index) + " yet"};
    }
    return *word;
}

Got<std::vector<WordField>> chip_fields(const Call& call) {
    const Got<int> index = register_index(call);
    if (const ScpiError* failure = error_of(index)) {
        return *failure;
    }
    const Got<uint32_t> word = chip_word(call, std::get<int>(index));
    if (const ScpiError* failure = error_of(word)) {
        return *failure;
    }
    const DeviceProfile& device = device_profile(call.panel().state().device_name);
    std::vector<WordField> fields =
        split_word(device, std::get<int>(index), std::get<uint32_t>(word));
    if (fields.empty()) {
        return ScpiError{ErrorCode::hardware_missing,
                         "the device has no R" + std::to_string(std::get<int>(index))};
    }
    return fields;
}

Got<std::string> one_text(const Call& call) {
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    return text(call.data[0]);
}

std::string log_row(const BusLogRow& row) {
    constexpr std::array columns{BusLogColumn::time, BusLogColumn::register_name,
                                 BusLogColumn::word, BusLogColumn::link, BusLogColumn::outcome};
    std::string line;
    for (const BusLogColumn column : columns) {
        line += (line.empty() ? "" : " ") + bus_log_cell(row, column);
    }
    return line;
}

Reply storage(const Call& call, bool writing) {
    const Got<std::string> name = one_text(call);
    if (const ScpiError* failure = error_of(name)) {
        return *failure;
    }
    const Got<std::string> path =
        file_in_folder(call.instrument.folder(), std::get<std::string>(name), writing);
    if (const ScpiError* failure = error_of(path)) {
        return *failure;
    }
    const Result result = writing ? call.panel().store_settings(std::get<std::string>(path))
                                  : call.panel().load_settings(std::get<std::string>(path));
    if (result) {
        return *result;
    }
    return {};
}

} // namespace

Reply register_query(Call& call) {
    const Got<int> index = register_index(call);
    if (const ScpiError* failure = error_of(index)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const Got<uint32_t> word = chip_word(call, std::get<int>(index));
    if (const ScpiError* failure = error_of(word)) {
        return *failure;
    }
    return "#H" + hex_text(std::get<uint32_t>(word));
}

Reply register_word(Call& call) {
    const Got<int> index = register_index(call);
    if (const ScpiError* failure = error_of(index)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    const Got<int64_t> word = whole(call.data[0], 0, 0xFFFFFFFF);
    if (const ScpiError* failure = error_of(word)) {
        return *failure;
    }
    if (Result failure = call.panel().apply_word(std::get<int>(index),
                                                 static_cast<uint32_t>(std::get<int64_t>(word)))) {
        return *failure;
    }
    return {};
}

Reply register_field_query(Call& call) {
    const Got<std::string> name = one_text(call);
    if (const ScpiError* failure = error_of(name)) {
        return *failure;
    }
    const Got<std::vector<WordField>> fields = chip_fields(call);
    if (const ScpiError* failure = error_of(fields)) {
        return *failure;
    }
    const std::string& wanted = std::get<std::string>(name);
    for (const WordField& field : std::get<std::vector<WordField>>(fields)) {
        const FieldInfo& info = field_info(field.id);
        if (is_keyword(wanted, info.key) || is_keyword(wanted, info.name)) {
            return std::to_string(field.code);
        }
    }
    return ScpiError{ErrorCode::illegal_parameter_value,
                     "the register has no field '" + wanted + "' (REGister<n>:DECode? names them)"};
}

Reply register_decode_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const Got<std::vector<WordField>> fields = chip_fields(call);
    if (const ScpiError* failure = error_of(fields)) {
        return *failure;
    }
    std::string out;
    for (const WordField& field : std::get<std::vector<WordField>>(fields)) {
        out += (out.empty() ? "" : ",") + std::string(field_info(field.id).key) + "=" +
               std::to_string(field.code);
    }
    return out;
}

Reply register_write(Call& call) {
    if (!call.suffixes.empty() && call.suffixes[0]) {
        return ScpiError{ErrorCode::header_suffix_out_of_range,
                         "REGister:WRITe takes the register as its value: ALL or 0 to 7"};
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    Panel& panel = call.panel();
    if (const auto* chars = std::get_if<CharacterData>(&call.data[0]);
        chars != nullptr && is_keyword(chars->text, "ALL")) {
        if (Result failure = panel.write_all()) {
            return *failure;
        }
        return {};
    }
    const Got<int64_t> index = whole(call.data[0], 0, 7);
    if (const ScpiError* failure = error_of(index)) {
        return *failure;
    }
    if (Result failure = panel.write_register(static_cast<int>(std::get<int64_t>(index)))) {
        return *failure;
    }
    return {};
}

Reply chip_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const ChipReport report = chip_state(call.instrument.program());
    return quoted(report.summary.empty() ? std::string() : report.summary.front().text);
}

Reply link_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const LinkState link = link_state(call.instrument.program(), call.instrument.link_problem());
    return link.name + "," + (link.ready ? "1" : "0") + "," + quoted(link.reason);
}

Reply log_query(Call& call) {
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    const Got<int64_t> count = whole(call.data[0], 1, BusLog::capacity);
    if (const ScpiError* failure = error_of(count)) {
        return *failure;
    }
    const BusLog& log = call.instrument.program().bus_log();
    const std::size_t wanted = static_cast<std::size_t>(std::get<int64_t>(count));
    const std::size_t first = log.size() > wanted ? log.size() - wanted : 0;
    std::string out;
    for (std::size_t i = first; i < log.size(); ++i) {
        out += (out.empty() ? "" : ",") + quoted(log_row(log.row(i)));
    }
    return out.empty() ? std::string("\"\"") : out;
}

Reply load_state(Call& call) {
    return storage(call, false);
}

Reply store_state(Call& call) {
    return storage(call, true);
}

} // namespace zqf::remote
