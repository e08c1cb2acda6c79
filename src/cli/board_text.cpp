#include "cli/board_text.h"

#include "core/text/number_text.h"

#include <array>

namespace zqf::cli {

std::string bus_log_lines(const BusLog& log) {
    constexpr std::array columns{BusLogColumn::time, BusLogColumn::register_name,
                                 BusLogColumn::word, BusLogColumn::link, BusLogColumn::outcome};
    std::string text;
    for (std::size_t i = 0; i < log.size(); ++i) {
        text += "buslog";
        for (const BusLogColumn column : columns) {
            text += ' ' + bus_log_cell(log.row(i), column);
        }
        text += '\n';
    }
    return text;
}

namespace {

std::string word_or_dash(const std::optional<uint32_t>& word, int bits) {
    return word ? padded_hex(*word, bits) : "-";
}

} // namespace

std::string chip_lines(const ChipReport& report) {
    std::string text;
    for (const SummaryLine& line : report.summary) {
        text += "chip " + line.text + '\n';
    }
    for (const RegisterReport& r : report.registers) {
        text += "chip R" + std::to_string(r.index) + " " + word_or_dash(r.chip, r.word_bits) +
                ", panel " + word_or_dash(r.panel, r.word_bits) + ", " +
                std::string(status_text(r.status)) + '\n';
    }
    for (const SettingReport& s : report.settings) {
        text += "chip " + s.name + ": " + s.chip.value_or("not known") + ", panel " +
                s.panel.value_or("not known") + '\n';
    }
    return text;
}

} // namespace zqf::cli
