// Our Intel HEX reader against an independent one: srec_cat reads every
// generated file too, and whatever we accept it must accept, with the same
// bytes at the same addresses.
#include "platform/linux/intel_hex.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace zqf {
namespace {

using Image = std::map<uint32_t, uint8_t>;

Image image_of(const std::vector<HexRecord>& records) {
    Image image;
    for (const HexRecord& record : records) {
        for (std::size_t i = 0; i < record.bytes.size(); ++i) {
            image[record.address + static_cast<uint32_t>(i)] = record.bytes[i];
        }
    }
    return image;
}

bool have_srec_cat() {
    return std::system("command -v srec_cat >/dev/null 2>&1") == 0;
}

// What srec_cat reads from the file, or nothing when it refuses it. Its
// ASCII-hex output is "$Aaddress," followed by the bytes from there.
std::optional<Image> srec_cat_image(const std::filesystem::path& file) {
    const std::filesystem::path out = file.string() + ".out";
    const std::string command =
        "srec_cat '" + file.string() + "' -Intel -o '" + out.string() + "' -Ascii_Hex 2>/dev/null";
    const int status = std::system(command.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    std::ifstream in(out);
    Image image;
    uint32_t address = 0;
    for (std::string token; in >> token;) {
        std::erase(token, '\x02');
        if (token.empty()) {
            continue;
        }
        if (token.front() == '\x03') {
            break;
        }
        if (token.starts_with("$A")) {
            address = static_cast<uint32_t>(std::stoul(token.substr(2), nullptr, 16));
            continue;
        }
        image[address++] = static_cast<uint8_t>(std::stoul(token, nullptr, 16));
    }
    return image;
}

// Writes random files of records, most of them sound, many broken in one of
// the ways a file goes wrong.
class HexGenerator {
  public:
    explicit HexGenerator(unsigned seed) : random_(seed) {}

    std::string file() {
        std::vector<std::string> lines = sound_lines();
        if (chance(2, 5)) {
            break_one(lines);
        }
        const std::string end = chance(1, 4) ? "\r\n" : "\n";
        std::string text;
        for (const std::string& line : lines) {
            text += line + end;
        }
        return text;
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int in, int of) { return below(of) < in; }

    std::string record(int type, int address, const std::vector<uint8_t>& data, bool lower) {
        std::vector<int> bytes{static_cast<int>(data.size()), address >> 8, address & 0xFF, type};
        bytes.insert(bytes.end(), data.begin(), data.end());
        int sum = 0;
        for (const int b : bytes) {
            sum += b;
        }
        bytes.push_back(-sum & 0xFF);
        std::string text = ":";
        char digits[3];
        for (const int b : bytes) {
            std::snprintf(digits, sizeof digits, lower ? "%02x" : "%02X", b);
            text += digits;
        }
        return text;
    }

    std::vector<std::string> sound_lines() {
        const bool lower = chance(1, 5);
        std::vector<std::string> lines;
        bool addressed = false;
        const int records = 1 + below(8);
        for (int i = 0; i < records; ++i) {
            if (chance(1, 4)) {
                const int type = chance(1, 2) ? 2 : 4;
                const int high = chance(1, 3) ? 0xFFFF : below(0x10000);
                lines.push_back(record(
                    type, 0, {static_cast<uint8_t>(high >> 8), static_cast<uint8_t>(high & 0xFF)},
                    lower));
                addressed = true;
            }
            const int count = below(33);
            // Near the top of a segment often, so records wrap. Before any
            // address record, srec_cat runs on past 0xFFFF where the Intel rule
            // wraps; those files are left out.
            int offset = chance(1, 3) ? 0x10000 - below(40) : below(0x10000);
            if (!addressed) {
                offset = std::min(offset, 0x10000 - count);
            }
            offset = std::min(offset, 0xFFFF);
            std::vector<uint8_t> data(static_cast<std::size_t>(count));
            for (uint8_t& b : data) {
                b = static_cast<uint8_t>(below(256));
            }
            lines.push_back(record(0, offset, data, lower));
            if (chance(1, 10)) {
                lines.push_back(lines.back()); // the same bytes twice agree
            }
        }
        lines.push_back(record(1, 0, {}, lower));
        return lines;
    }

    void break_one(std::vector<std::string>& lines) {
        const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(lines.size())));
        std::string& line = lines[at];
        switch (below(8)) {
        case 0: // one digit changed: the checksum no longer holds
            line[1 + static_cast<std::size_t>(below(static_cast<int>(line.size()) - 1))] ^= 0x01;
            break;
        case 1:
            lines.pop_back(); // no end-of-file record
            break;
        case 2:
            line.resize(static_cast<std::size_t>(below(static_cast<int>(line.size())))); // cut
            break;
        case 3:
            lines.insert(lines.begin(), record(4, 1 + below(0xFFFF), {0, 0}, false));
            break;
        case 4:
            lines.insert(lines.begin(), record(3, 0, {0, 0, 0x12, 0x34}, false));
            break;
        case 5: { // the same address with different bytes
            const int address = below(0x10000 - 1);
            lines.insert(lines.begin(), record(0, address, {0x55}, false));
            lines.insert(lines.begin(), record(0, address, {0xAA}, false));
            break;
        }
        case 6:
            line[0] = ';';
            break;
        default:
            lines.push_back(record(0, 0, {1}, false)); // after the end
            break;
        }
    }

    std::mt19937 random_;
};

TEST(IntelHexOracle, EveryFileWeAcceptSrecCatReadsAsTheSameBytes) {
    if (!have_srec_cat()) {
        GTEST_SKIP() << "srec_cat (package srecord) is not installed";
    }
    testing::TempDir dir;
    HexGenerator generator(15);
    constexpr int files = 300;
    int both = 0;
    int ours_refused = 0;
    for (int n = 0; n < files; ++n) {
        const std::string text = generator.file();
        const auto path = dir.write("f" + std::to_string(n) + ".hex", text);
        const HexParse parsed = parse_intel_hex(text);
        const std::optional<Image> theirs = srec_cat_image(path);
        if (!parsed.ok()) {
            ++ours_refused;
            continue;
        }
        ASSERT_TRUE(theirs) << "srec_cat refuses what we accept:\n" << text;
        ASSERT_EQ(image_of(parsed.records), *theirs) << text;
        ++both;
    }
    // Both kinds must be well represented, or the test proves little.
    EXPECT_GT(both, files / 3);
    EXPECT_GT(ours_refused, files / 5);
}

} // namespace
} // namespace zqf
