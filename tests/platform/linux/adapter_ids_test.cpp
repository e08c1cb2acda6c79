#include "fakes.h"
#include "platform/linux/adapter_ids.h"

#include <gtest/gtest.h>
#include <sstream>

namespace zqf {
namespace {

TEST(AdapterIds, UserFileComesFirstAndBadLinesAreSkippedWithTheirNumber) {
    testing::TempDir home;
    const auto file = home.write("usb-adapter.conf", "# our bench\n"
                                                     "firmware 0ACE:00f1   # renumerated\r\n"
                                                     "\n"
                                                     "loader 04b4\n"
                                                     "loader 04b4:8613:1\n"
                                                     "boot 04b4:8613\n"
                                                     "loader 12345:0001\n"
                                                     "loader   1209:0007\n");
    std::ostringstream log;
    std::vector<AdapterId> expected{{{0x0ace, 0x00f1}, AdapterRole::firmware},
                                    {{0x1209, 0x0007}, AdapterRole::loader}};
    for (const AdapterId& id : builtin_adapter_ids()) {
        expected.push_back(id);
    }
    EXPECT_EQ(load_adapter_ids(file, log), expected);
    for (const char* line : {"line 4:", "line 5:", "line 6:", "line 7:"}) {
        EXPECT_NE(log.str().find(line), std::string::npos) << line << "\n" << log.str();
    }
    EXPECT_EQ(log.str().find("line 8:"), std::string::npos);

    std::ostringstream quiet;
    EXPECT_EQ(load_adapter_ids(home.path() / "absent.conf", quiet), builtin_adapter_ids());
    EXPECT_EQ(quiet.str(), "");
}

TEST(AdapterIds, ALoaderIdIsNeverAlsoAFirmwareIdAndNoIdIsZero) {
    const AdapterIdConfig parsed = parse_adapter_ids("firmware 04b4:8613\n"
                                                     "loader 1234:0001\n"
                                                     "firmware 1234:0001\n"
                                                     "firmware 1234:0002\n"
                                                     "loader 1234:0002\n"
                                                     "loader 0000:0000\n"
                                                     "firmware 0:0\n"
                                                     "firmware 1234:0003\n");
    const std::vector<std::string> errors{
        "line 1: 04b4:8613 is the boot loader's own id; it cannot also be a firmware id",
        "line 3: 1234:0001 is listed as a loader on line 2; it cannot also be a firmware id",
        "line 4: 1234:0002 is listed as a loader on line 5; it cannot also be a firmware id",
        "line 6: 0000:0000 is no device's id",
        "line 7: 0000:0000 is no device's id",
    };
    EXPECT_EQ(parsed.errors, errors);
    const std::vector<AdapterId> ids{{{0x1234, 0x0001}, AdapterRole::loader},
                                     {{0x1234, 0x0002}, AdapterRole::loader},
                                     {{0x1234, 0x0003}, AdapterRole::firmware}};
    EXPECT_EQ(parsed.ids, ids);
}

TEST(AdapterIds, ConfigPathIgnoresARelativeXdgFolderAndNeedsAHome) {
    EXPECT_EQ(adapter_config_path("relative", "/home/u"),
              "/home/u/.config/zqfeval/usb-adapter.conf");
    EXPECT_EQ(adapter_config_path(nullptr, nullptr), "");
}

} // namespace
} // namespace zqf
