#include "cli/decode_command.h"

#include <gtest/gtest.h>

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
