#include "core/registers/register_export.h"
#include "core/registers/word_fields.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace zqf {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> cells_of(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

// Words of every register of the device, random apart from their address bits.
std::vector<RegisterWord> random_words(const DeviceProfile& device, unsigned seed) {
    std::mt19937 random(seed);
    const uint32_t width_mask =
        device.transfer_bits == 32 ? 0xFFFFFFFFU : (1U << device.transfer_bits) - 1U;
    const uint32_t address_mask = (1U << control_bits(device.family)) - 1U;
    std::vector<RegisterWord> words;
    for (int round = 0; round < 3; ++round) {
        for (int index = device.register_count - 1; index >= 0; --index) {
            const uint32_t word = (static_cast<uint32_t>(random()) & width_mask & ~address_mask) |
                                  static_cast<uint32_t>(index);
            words.push_back({index, round == 0 ? static_cast<uint32_t>(index) : word});
        }
    }
    return words;
}

TEST(RegisterExport, HexListsOneWordALinePaddedToTheTransferWidth) {
    const RegisterWord four[] = {{3, 0x00000B}, {0, 0xAF0000}};
    EXPECT_EQ(export_registers(ExportFormat::hex, {device_profile("ZQF7310"), "a.txt"}, four),
              "R3\t0x00000B\nR0\t0xAF0000\n");
    const RegisterWord five[] = {{4, 0x80000004}, {1, 0x9}};
    EXPECT_EQ(export_registers(ExportFormat::hex, {device_profile("ZQF7340"), "a.txt"}, five),
              "R4\t0x80000004\nR1\t0x00000009\n");
}

TEST(RegisterExport, FormatsAreNamedAsTheCommandLineNamesThem) {
    for (const ExportFormatInfo& info : export_formats()) {
        EXPECT_EQ(export_format_named(info.name), info.format);
    }
    EXPECT_EQ(export_format_named("HEX"), std::nullopt);
    EXPECT_EQ(export_format_named("xml"), std::nullopt);
}

// The table alone gives every word back: each field column names its bits.
TEST(RegisterExport, CsvFieldsReassembleEveryWordOfEveryDevice) {
    const std::regex label(R"(([a-z0-9_]+)\[(\d+)(?::(\d+))?\])");
    for (const DeviceProfile& device : catalogue_profiles()) {
        const std::vector<RegisterWord> words = random_words(device, 7);
        const std::vector<std::string> lines =
            lines_of(export_registers(ExportFormat::csv, {device, "s.txt"}, words));
        ASSERT_EQ(lines.size(), words.size() + 1);
        const std::vector<std::string> header = cells_of(lines[0]);
        ASSERT_GE(header.size(), 4U);
        EXPECT_EQ(header[0] + header[1] + header[2], "registerwordbits");
        for (std::size_t row = 0; row < words.size(); ++row) {
            const std::vector<std::string> cells = cells_of(lines[row + 1]);
            ASSERT_EQ(cells.size(), header.size()) << lines[row + 1];
            const RegisterWord& word = words[row];
            EXPECT_EQ(cells[0], "R" + std::to_string(word.index));
            EXPECT_EQ(std::stoul(cells[1], nullptr, 16), word.word);
            EXPECT_EQ(cells[2].size(), static_cast<std::size_t>(device.transfer_bits));
            EXPECT_EQ(std::stoul(cells[2], nullptr, 2), word.word);
            uint64_t assembled = 0;
            for (std::size_t column = 3; column < header.size(); ++column) {
                std::smatch match;
                ASSERT_TRUE(std::regex_match(header[column], match, label)) << header[column];
                if (!cells[column].empty()) {
                    assembled += std::stoull(cells[column])
                                 << std::stoi(match[3].matched ? match[3].str() : match[2].str());
                }
            }
            EXPECT_EQ(assembled, word.word) << device.stored_name << " row " << row;
        }
    }
}

// Any file name makes a valid JSON string: escaped, and UTF-8 throughout.
TEST(RegisterExport, JsonSourceIsEscapedAndValidUtf8) {
    const RegisterWord word[] = {{0, 0}};
    const auto source = [&word](std::string_view name) {
        const std::string text =
            export_registers(ExportFormat::json, {device_profile("ZQF7340"), name}, word);
        const std::size_t start = text.find("\"source\": ");
        return text.substr(start + 10, text.find('\n', start) - start - 11);
    };
    EXPECT_EQ(source("dir/\"odd\"\nname.txt"), "\"dir/\\\"odd\\\"\\u000aname.txt\"");
    EXPECT_EQ(source("caf\xE9-\xC3\xA9.txt"), "\"caf\\ufffd-\xC3\xA9.txt\"");
}

// A file name can hold anything; it must neither end the comment early nor
// break a line out of it.
TEST(RegisterExport, CHeaderKeepsAnOddSourceNameInsideItsComment) {
    const RegisterWord words[] = {{2, 0x0000FC2}, {0, 0x0AF000}};
    const std::string text = export_registers(
        ExportFormat::c, {device_profile("ZQF7310"), "x*/y/*z\n#error w.txt"}, words);
    const std::size_t comment_end = text.find("*/");
    EXPECT_EQ(text.substr(0, 3), "/* ");
    EXPECT_EQ(text.find("/*", 2), text.find("/* R2:"));
    EXPECT_LT(comment_end, text.find("#ifndef ZQF7310_REGISTERS_H"));
    EXPECT_EQ(text.find("\n#error"), std::string::npos);
    EXPECT_NE(text.find("#define ZQF7310_R2 UINT32_C(0x000FC2)\n"), std::string::npos);
    EXPECT_NE(text.find("#define ZQF7310_REGISTER_COUNT 2\n"), std::string::npos);
    EXPECT_NE(text.find("static const uint32_t zqf7310_registers[ZQF7310_REGISTER_COUNT] = {\n"
                        "    ZQF7310_R2,\n    ZQF7310_R0,\n};\n"),
              std::string::npos);
}

} // namespace
} // namespace zqf
