#include "fakes.h"
#include "platform/linux/hardware_platform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

namespace zqf {
namespace {

using testing::FakeUsb;
using testing::TempDir;
using testing::Transfer;

struct PlatformTest : ::testing::Test {
    TempDir dir;
    FakeUsb* usb = nullptr;
    testing::FakePorts* ports = nullptr;
    std::ostringstream log;
    std::unique_ptr<HardwarePlatform> platform = make();

    std::unique_ptr<HardwarePlatform> make() {
        auto bus = std::make_unique<FakeUsb>();
        usb = bus.get();
        usb->lists = {{{{0x1234, 0xabcd}, 1, 2}}};
        auto port_system = std::make_unique<testing::FakePorts>();
        ports = port_system.get();
        HardwareParts parts{std::move(port_system),
                            std::move(bus),
                            dir.path(),
                            {{{0x1234, 0xabcd}, AdapterRole::firmware}},
                            [](std::chrono::milliseconds) {},
                            {}};
        return std::make_unique<HardwarePlatform>(std::move(parts), 888, log);
    }

    int16_t load() {
        const std::string path =
            dir.write("zqf7xxx_usb_fw_1_0.hex", ":0100000000FF\n:00000001FF\n").string();
        return platform->load_firmware(reinterpret_cast<const uint8_t*>(path.c_str()));
    }
};

TEST_F(PlatformTest, WordRequestIsExactlyOneVendorTransferOfTheFiveBytes) {
    ASSERT_GE(load(), 0) << log.str();
    uint8_t buffer[] = {0x78, 0x56, 0x34, 0x12, 32};
    EXPECT_EQ(platform->vendor_request(221, 0, 0, 0, 5, buffer), 5);
    const std::vector<Transfer> expected{{1, 221, 0, 0, {0x78, 0x56, 0x34, 0x12, 32}, 1000}};
    EXPECT_EQ(usb->transfers, expected);
}

TEST_F(PlatformTest, RequestsThatCannotBeCarriedAreRefusedWithoutATransfer) {
    ASSERT_GE(load(), 0);
    uint8_t buffer[5] = {};
    EXPECT_LT(platform->vendor_request(300, 0, 0, 0, 5, buffer), 0);
    EXPECT_LT(platform->vendor_request(221, 0x10000, 0, 0, 5, buffer), 0);
    EXPECT_LT(platform->vendor_request(221, 0, 0, 0, -1, buffer), 0);
    EXPECT_LT(platform->vendor_request(221, 0, 0, 0, 5, nullptr), 0);
    EXPECT_TRUE(usb->transfers.empty());
}

TEST_F(PlatformTest, FirmwarePathMustBeGivenAndTerminated) {
    EXPECT_LT(platform->load_firmware(nullptr), 0);
    const std::vector<uint8_t> endless(5000, 'a');
    EXPECT_LT(platform->load_firmware(endless.data()), 0);
    EXPECT_NE(log.str().find("longer than 4096"), std::string::npos);
}

// The start window shows these reasons under its own message; the log keeps them too.
TEST_F(PlatformTest, AFailedClaimOrLoadKeepsItsReasonForTheUser) {
    ports->open_result = -EACCES;
    ports->access_result = -EPERM;
    EXPECT_EQ(platform->claim_parallel_port(1, -1), 0);
    const std::string claim = platform->failure_reason();
    EXPECT_NE(claim.find("cannot open " + (dir.path() / "dev/parport0").string() +
                         ": Permission denied (is the user in group lp?)"),
              std::string::npos)
        << claim;
    EXPECT_NE(claim.find("; direct port I/O is not available either: Operation not permitted "
                         "(needs root)"),
              std::string::npos)
        << claim;
    EXPECT_EQ(claim.find('\n'), std::string::npos);
    EXPECT_NE(log.str().find("parallel port: cannot open"), std::string::npos);

    const std::string missing = (dir.path() / "absent.hex").string();
    EXPECT_LT(platform->load_firmware(reinterpret_cast<const uint8_t*>(missing.c_str())), 0);
    EXPECT_NE(platform->failure_reason().find("firmware file"), std::string::npos);
    EXPECT_NE(platform->failure_reason().find("absent.hex"), std::string::npos);

    usb->lists = {{}};
    EXPECT_LT(load(), 0);
    EXPECT_EQ(platform->failure_reason(), "no board found (looked for 1234:abcd)");

    usb->lists = {{{{0x1234, 0xabcd}, 1, 2}}};
    EXPECT_GE(load(), 0);
    EXPECT_EQ(platform->failure_reason(), "");
}

// The bus log shows these beside each word that did not reach the board.
TEST_F(PlatformTest, TransfersThatMissTheBoardAreCountedWithTheirReason) {
    uint8_t buffer[5] = {1, 0, 0, 0, 24};
    EXPECT_LT(platform->vendor_request(221, 0, 0, 0, 5, buffer), 0);
    EXPECT_EQ(platform->failed_transfers(), 1U);
    EXPECT_EQ(platform->transfer_failure(), "no USB adapter is ready");

    ASSERT_GE(load(), 0);
    usb->failures[static_cast<int>(usb->transfers.size())] = -9;
    EXPECT_LT(platform->vendor_request(221, 0, 0, 0, 5, buffer), 0);
    EXPECT_EQ(platform->failed_transfers(), 2U);
    EXPECT_EQ(platform->transfer_failure().rfind("request 221 failed: ", 0), 0U)
        << platform->transfer_failure();
    EXPECT_EQ(platform->vendor_request(221, 0, 0, 0, 5, buffer), 5);
    EXPECT_EQ(platform->failed_transfers(), 2U);

    ports->open_result = -EACCES;
    ports->access_result = -EPERM;
    EXPECT_EQ(platform->claim_parallel_port(1, -1), 0);
    platform->out_byte(888, 24);
    EXPECT_EQ(platform->failed_transfers(), 3U);
    EXPECT_EQ(platform->transfer_failure(),
              "the parallel port was never claimed: " + platform->failure_reason());
}

} // namespace
} // namespace zqf
