#include "fakes.h"
#include "platform/linux/usb_adapter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace zqf {
namespace {

using testing::FakeUsb;
using testing::TempDir;
using testing::Transfer;

const UsbDeviceInfo bare_board{{0x04b4, 0x8613}, 1, 5};
const UsbDeviceInfo loaded_board{{0x1234, 0xabcd}, 1, 6};
const UsbDeviceInfo stranger{{0x1d6b, 0x0002}, 1, 1};

constexpr const char* firmware = ":03000000010203F7\n"
                                 ":03000300040506EB\n"
                                 ":02E00000AABBB9\n"
                                 ":00000001FF\n";

struct Rig {
    TempDir dir;
    FakeUsb usb;
    std::ostringstream log;
    std::chrono::milliseconds slept{0};
    UsbAdapter adapter{
        usb,
        {{loaded_board.id, AdapterRole::firmware}, {bare_board.id, AdapterRole::loader}},
        [this](std::chrono::milliseconds pause) { slept += pause; },
        log,
        {},
        {4, std::chrono::milliseconds(1000)}};

    int16_t load(const std::string& text = firmware) {
        return adapter.load_firmware(dir.write("fw.hex", text).string());
    }
};

struct AdapterTest : ::testing::Test, Rig {};

Transfer a0(int device, uint16_t address, std::vector<uint8_t> data) {
    return {device, 0xA0, address, 0, std::move(data), 1000};
}

TEST_F(AdapterTest, UploadHoldsResetWritesChunksReleasesAndUsesTheReturnedBoard) {
    usb.lists = {{stranger, bare_board}, {stranger}, {stranger, loaded_board}};
    EXPECT_EQ(load(), adapter_loaded) << log.str();
    const std::vector<Transfer> upload{
        a0(1, 0xE600, {1}),          a0(1, 0x0000, {1, 2, 3, 4}), a0(1, 0x0004, {5, 6}),
        a0(1, 0xE000, {0xAA, 0xBB}), a0(1, 0xE600, {0}),
    };
    EXPECT_EQ(usb.transfers, upload);

    // The word request goes to the board that came back, not to the loader's handle.
    const uint8_t word[] = {0x56, 0x34, 0x12, 0x00, 24};
    EXPECT_EQ(adapter.send(221, 0, 0, word), 5);
    EXPECT_EQ(usb.transfers.back(), (Transfer{2, 221, 0, 0, {0x56, 0x34, 0x12, 0x00, 24}, 1000}));
}

TEST_F(AdapterTest, BoardThatKeepsItsLoaderIdsIsTakenOnlyAfterSettling) {
    usb.lists = {{bare_board}};
    EXPECT_EQ(load(), adapter_loaded);
    EXPECT_EQ(slept, ReturnTiming{}.settle);
}

TEST_F(AdapterTest, FailedReleaseIsToleratedWhenTheBoardComesBack) {
    usb.lists = {{bare_board}, {loaded_board}};
    usb.failures[4] = -4; // the board dropped off the bus while answering
    EXPECT_EQ(load(), adapter_loaded);
}

TEST_F(AdapterTest, BoardAlreadyRunningItsFirmwareIsNotReloaded) {
    usb.lists = {{loaded_board, bare_board}};
    EXPECT_EQ(load(), adapter_already_running);
    EXPECT_TRUE(usb.transfers.empty());
}

TEST_F(AdapterTest, EveryFailureIsNegativeExplainedAndSendsNothingAfterwards) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> arrange;
        int16_t status;
        std::size_t transfers;
        const char* message;
    };
    const Case cases[] = {
        {"no board", [](Rig& t) { t.usb.lists = {{stranger}}; }, adapter_not_found, 0,
         "no board found (looked for 1234:abcd, 04b4:8613)"},
        {"no bus", [](Rig& t) { t.usb.list_error = "cannot start"; }, adapter_usb_unavailable, 0,
         "cannot start"},
        {"access denied", [](Rig& t) { t.usb.open_error = "LIBUSB_ERROR_ACCESS"; },
         adapter_upload_failed, 0, "LIBUSB_ERROR_ACCESS"},
        {"reset refused", [](Rig& t) { t.usb.failures[0] = -9; }, adapter_upload_failed, 1,
         "cannot hold the CPU in reset"},
        {"short chunk", [](Rig& t) { t.usb.failures[2] = 1; }, adapter_upload_failed, 3,
         "writing 2 bytes at 0x0004 failed: only 1 bytes taken"},
        {"gone for good",
         [](Rig& t) {
             t.usb.lists = {{bare_board}, {stranger, {{0x0ace, 1}, 2, 9}}};
         },
         adapter_did_not_return, 5, "add 'firmware 0ace:0001'"},
    };
    for (const Case& c : cases) {
        Rig t;
        t.usb.lists = {{bare_board}, {}};
        c.arrange(t);
        EXPECT_EQ(t.load(), c.status) << c.name;
        // A half-loaded chip must stay in reset: nothing may follow the failed write.
        EXPECT_EQ(t.usb.transfers.size(), c.transfers) << c.name;
        EXPECT_NE(t.log.str().find(c.message), std::string::npos) << c.name << ": " << t.log.str();
        EXPECT_LE(t.slept, ReturnTiming{}.limit) << c.name;
        const uint8_t word[5] = {};
        EXPECT_LT(t.adapter.send(221, 0, 0, word), 0) << c.name;
    }
}

TEST_F(AdapterTest, BadFirmwareFilesAreRefusedBeforeTheBoardIsTouched) {
    usb.lists = {{bare_board}};
    EXPECT_EQ(adapter.load_firmware((dir.path() / "missing.hex").string()), adapter_bad_firmware);
    EXPECT_EQ(adapter.load_firmware(dir.path().string()), adapter_bad_firmware); // a folder
    EXPECT_EQ(load(":0140000001BE\n:00000001FF\n"), adapter_bad_firmware);
    EXPECT_EQ(load(":03000000010203F7\n"), adapter_bad_firmware);
    // Nothing to load must not reset the chip and release it with no firmware.
    EXPECT_EQ(load(":00000001FF\n"), adapter_bad_firmware);
    EXPECT_TRUE(usb.transfers.empty());
    EXPECT_NE(log.str().find("No such file"), std::string::npos);
    EXPECT_NE(log.str().find("fw.hex' line 1: data at 0x4000-0x4000 lies beyond"),
              std::string::npos);
}

TEST_F(AdapterTest, ABareBoardIsLoadedThoughTheIdFileCallsItsIdFirmware) {
    std::ostringstream refusals;
    const auto ids = load_adapter_ids(dir.write("ids.conf", "firmware 04b4:8613\n"), refusals);
    UsbAdapter bench_adapter(
        usb, ids, [](std::chrono::milliseconds) {}, log);
    usb.lists = {{bare_board}};
    EXPECT_EQ(bench_adapter.load_firmware(dir.write("fw.hex", firmware).string()), adapter_loaded);
    EXPECT_EQ(usb.transfers.front(), a0(1, 0xE600, {1})) << "the CPU is held in reset first";
    EXPECT_NE(refusals.str().find("line 1: 04b4:8613 is the boot loader's own id"),
              std::string::npos);
}

TEST_F(AdapterTest, FailedRequestIsReportedNegativeWithinOneSecond) {
    usb.lists = {{loaded_board}};
    ASSERT_GE(load(), 0);
    usb.failures[0] = -7; // timed out
    const uint8_t word[5] = {};
    EXPECT_LT(adapter.send(221, 0, 0, word), 0);
    EXPECT_EQ(usb.transfers.at(0).timeout_ms, 1000);
    EXPECT_NE(log.str().find("LIBUSB_ERROR_TIMEOUT"), std::string::npos);
}

} // namespace
} // namespace zqf
