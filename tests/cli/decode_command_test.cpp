#include "cli/decode_command.h"
#include "core/registers/register_export.h"
#include "core/state/device_profile.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zqf::cli {
namespace {

struct Decoded {
    int status;
    std::string out;
    std::string err;
};

Decoded decode(std::vector<std::string> args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = decode_command(views, out, err);
    return {status, out.str(), err.str()};
}

// Every register of every device, with random field bits: the printed fields
// (bits and value a line) add up to the word again.
TEST(Decode, PrintedFieldsReassembleEveryWord) {
    std::mt19937 random(5);
    for (const DeviceEntry& entry : device_catalogue) {
        const DeviceProfile& device = device_profile(entry.stored_name);
        const uint32_t mask =
            device.transfer_bits == 32 ? 0xFFFFFFFFU : (1U << device.transfer_bits) - 1U;
        const int address_bits = control_bits(device.family);
        std::vector<std::string> args{"--device", std::string(entry.caption)};
        std::vector<uint32_t> words;
        for (int index = 0; index < device.register_count; ++index) {
            const uint32_t word =
                ((static_cast<uint32_t>(random()) << address_bits) & mask) | index;
            words.push_back(word);
            // Decimal and hexadecimal alike.
            args.push_back(index % 2 == 0 ? std::to_string(word)
                                          : word_literal(word, device.transfer_bits));
        }
        const Decoded decoded = decode(args);
        ASSERT_EQ(decoded.status, 0) << decoded.err;
        std::istringstream lines(decoded.out);
        std::vector<uint64_t> assembled;
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with('R')) {
                EXPECT_EQ(std::stoul(line.substr(line.find('\t') + 1), nullptr, 16),
                          words[assembled.size()]);
                assembled.push_back(0);
                continue;
            }
            std::istringstream fields(line);
            std::string bits;
            std::string key;
            uint64_t value = 0;
            fields >> bits >> key >> value;
            const int low = std::stoi(bits.substr(bits.find('-') + 1));
            assembled.back() += value << low;
        }
        ASSERT_EQ(assembled.size(), words.size()) << entry.caption;
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(assembled[i], words[i]) << entry.caption << " R" << i;
        }
    }
}

TEST(Decode, JsonIsTheExportsDocument) {
    const Decoded decoded = decode({"--json", "--device", "ZQF7610", "0x000007", "0xABCD02"});
    ASSERT_EQ(decoded.status, 0);
    const RegisterWord words[] = {{7, 0x7}, {2, 0xABCD02}};
    EXPECT_EQ(decoded.out,
              export_registers(ExportFormat::json, {device_profile("ZQF7620"), "the command line"},
                               words));
}

// A refused word refuses them all: nothing is printed, the reason is one line.
TEST(Decode, WordsTheDeviceCannotTakeAreRefusedWithStatusTwo) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--device", "ZQF7340", "0x0AF000", "0x000005"},
         "error: 0x00000005 carries the address of R5, which the ZQF7340 does not have\n"},
        {{"--device", "ZQF7310", "0x1000000"},
         "error: \"0x1000000\" does not fit in the device's 24-bit words\n"},
        {{"--device", "ZQF7340", "4294967296"},
         "error: \"4294967296\" does not fit in the device's 32-bit words\n"},
        {{"--device", "ZQF7310", "0x"},
         "error: \"0x\" is no word: give 0x and hexadecimal digits, or decimal\n"},
        {{"--device", "ZQF7310", "12ab"},
         "error: \"12ab\" is no word: give 0x and hexadecimal digits, or decimal\n"},
    };
    for (const auto& [args, message] : cases) {
        const Decoded decoded = decode(args);
        EXPECT_EQ(decoded.status, 2) << args.back();
        EXPECT_EQ(decoded.out, "") << args.back();
        EXPECT_EQ(decoded.err, message);
    }
    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"0x3"},
          {"--device", "ZQF9999", "0x3"},
          {"--device", "ZQF7310"},
          {"--device", "ZQF7310", "--device", "ZQF7320", "0x3"},
          {"--hex", "0x3"}}) {
        const Decoded decoded = decode(usage);
        EXPECT_EQ(decoded.status, 2);
        EXPECT_EQ(decoded.out, "");
        EXPECT_TRUE(decoded.err.starts_with("error: ")) << decoded.err;
        EXPECT_NE(decoded.err.find("usage: zqfctl decode"), std::string::npos) << decoded.err;
    }
}

} // namespace
} // namespace zqf::cli
