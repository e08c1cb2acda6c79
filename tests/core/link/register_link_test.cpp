#include "link_fixture.h"

#include "core/link/parallel_link.h"
#include "core/link/usb_link.h"
#include "core/text/convert.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::LinkBench;
using testing::register_count;

std::vector<int> triple(bool one, bool upper_half) {
    const int base = (upper_half ? 8 : 24) + (one ? 2 : 0);
    return {base, base + 1, base};
}

// The bench script update_indicator traces a worked 24-bit sequence byte by
// byte; the scripts on the USB adapter trace each word's request.
TEST(ParallelLink, WorkedThirtyTwoBitSequence) {
    // 0x00010005 exactly as the byte protocol lays it out, from tx_word.
    LinkBench b("ZQF7340", "par");
    b.state.tx_word = 65536.0 + 5.0;
    b.calls.clear();
    shift_word_parallel(b.state, b.traced);
    pulse_le_parallel(b.state, b.traced);
    std::vector<int> expected{24};
    auto add = [&expected](const std::vector<int>& t) {
        expected.insert(expected.end(), t.begin(), t.end());
    };
    for (int i = 0; i < 15; ++i) {
        add(triple(false, true));
    }
    add(triple(true, true));
    for (int i = 0; i < 13; ++i) {
        add(triple(false, false));
    }
    add(triple(true, false));
    add(triple(false, false));
    add(triple(true, false));
    add({24, 28, 24});
    EXPECT_EQ(b.bytes(), expected);
    EXPECT_EQ(b.bytes().size(), 100U);
}

// Whatever goes out, the board must latch exactly the word the program shows.
TEST(ParallelLink, BoardLatchesTheAssembledWordForEveryRegister) {
    for (const char* device : {"ZQF7310", "ZQF7320", "ZQF7340", "ZQF7350", "ZQF7620"}) {
        LinkBench b(device, "par");
        b.state.frac_val = 7;
        b.state.cp_current_5r = 15.0 * 16777216.0; // bit 27 of the 5-register R2
        b.state.ns_bits_5r = (1 << 30) + (1 << 29);
        b.link.send_all_registers();
        b.link.send_every_register();
        const int registers = register_count(device);
        for (int k = 0; k < registers; ++k) {
            b.link.send(k);
            ASSERT_TRUE(b.board.latched(k).has_value()) << device << " R" << k;
            EXPECT_EQ(*b.board.latched(k), word_bits(b.state.reg_word[static_cast<std::size_t>(k)]))
                << device << " R" << k;
        }
    }
}

TEST(ParallelLink, BitThirtyOneIsTransferred) {
    LinkBench b("ZQF7350", "par");
    b.state.tx_word = 2147483648.0 + 2.0;
    shift_word_parallel(b.state, b.traced);
    pulse_le_parallel(b.state, b.traced);
    EXPECT_EQ(b.board.latched(2), 0x80000002U);
}

TEST(ParallelLink, DualR7IsTwentyFourBitsOfSeven) {
    LinkBench b("ZQF7620", "par");
    b.link.send(7);
    EXPECT_EQ(b.state.tx_word, 7.0);
    EXPECT_EQ(b.board.latched(7), 7U);
    EXPECT_EQ(b.bytes().size(), 76U);
}

TEST(RegisterLink, OtherLinkTextsOnlyUpdateTheDisplay) {
    for (const char* comm : {"", "USB", "par "}) {
        LinkBench b("ZQF7310", comm);
        std::vector<SentWord> shown;
        b.link.set_observer([&shown](const SentWord& w) { shown.push_back(w); });
        b.link.send(0);
        EXPECT_TRUE(b.calls.empty()) << '"' << comm << '"';
        ASSERT_EQ(shown.size(), 1U);
        EXPECT_EQ(shown[0].hex, "2BC000");
        EXPECT_EQ(b.state.reg_text_hex[0], "2BC000");
    }
}

TEST(RegisterLink, ObserverSeesEveryShownWordButNotTheSkippedOnes) {
    LinkBench b("ZQF7340", "par");
    std::vector<int> shown;
    b.link.set_observer([&shown](const SentWord& w) { shown.push_back(w.index); });
    b.link.send(5);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(b.calls.empty());
    EXPECT_EQ(b.state.reg_index, 5);
    b.link.send_all_registers();
    EXPECT_EQ(shown, (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(b.state.reg_index, 0);
}

TEST(WriteOrders, PerDevice) {
    auto order = [](const char* device, void (RegisterLink::*routine)()) {
        LinkBench b(device, "");
        std::vector<int> sent;
        b.link.set_observer([&sent](const SentWord& w) { sent.push_back(w.index); });
        (b.link.*routine)();
        return sent;
    };
    // UpdateIndicators.GroupWriteOrders and the panel_dual script take each
    // family's orders through the panel; these are the ones they leave out.
    using V = std::vector<int>;
    EXPECT_EQ(order("ZQF7350", &RegisterLink::send_all_registers), (V{4, 3, 2, 1, 0}));
    EXPECT_EQ(order("ZQF7999", &RegisterLink::send_all_registers), V{});
    EXPECT_EQ(order("ZQF7310", &RegisterLink::send_every_register), V{});
}

// A stored word goes again only where its address bits name its register.
TEST(RegisterLink, UnknownDeviceNameResendsStoredWordsThatLandInTheirRegister) {
    LinkBench b("ZQF7999", "par");
    b.state.reg_word[2] = 10.0;
    b.link.send(2);
    EXPECT_EQ(b.state.tx_word, 10.0);
    EXPECT_EQ(b.bytes().size(), 76U);
    b.state.reg_word[2] = 6.0; // would land in R6
    b.link.send(2);
    EXPECT_EQ(b.bytes().size(), 76U);
}

// The last guard: a freshly assembled word the chip cannot trust stays off the
// wire, unshown and unstored, and the refusal names the register.
TEST(SendRegisterGuard, RefusedWordsNeverReachTheWire) {
    struct Row {
        const char* device;
        void (*force)(SharedState&);
        int index;
        const char* refusal;
    };
    const Row rows[] = {
        {"ZQF7340", [](SharedState& s) { s.clk_div_value = 1e308; }, 4,
         "R4 was not sent: Clock divider = 1E+308 does not fit its 12-bit field, which takes a "
         "whole number from 0 to 4095."},
        {"ZQF7310", [](SharedState& s) { s.frac_val = 0.25; }, 0,
         "R0 was not sent: FRAC = 0.25 does not fit its 12-bit field, which takes a whole "
         "number from 0 to 4095."},
        {"ZQF7340", [](SharedState& s) { s.phase_value = -1; }, 1,
         "R1 was not sent: Phase = -1 does not fit its 12-bit field, which takes a whole "
         "number from 0 to 4095."},
        // Fields that are no counter: a value that would carry into a neighbour.
        {"ZQF7310", [](SharedState& s) { s.muxout_code = 4.0; }, 1,
         "R1 was not sent: Muxout = 4 does not fit its 3-bit field, which takes a multiple of "
         "1048576 from 0 to 7340032."},
        {"ZQF7310", [](SharedState& s) { s.fastlock_4r = 4.0; }, 0,
         "R0 was not sent: Fast lock = 4 does not fit its 1-bit field, which takes 0 or "
         "8388608."},
        {"ZQF7340", [](SharedState& s) { s.test_mode = 2048; }, 4,
         "R4 was not sent: the RF test mode 1 chosen in the Test Modes window cannot be "
         "carried there: this device takes its test mode from the panel's test-mode list, 0 "
         "to 31."},
        {"ZQF7620",
         [](SharedState& s) {
             s.test_mode = 17 * 2048;
             s.ns_bits_dual = 34880; // the lowest-noise pattern adds test code 17 again
         },
         2,
         "R2 was not sent: Noise and spur mode = 34880, Test mode = 34816, CP current = 1536 "
         "and PD polarity = 128 add up to more than their bits 15-6 hold."},
        {"ZQF7620", [](SharedState& s) { s.if_b = 5625; }, 4,
         "R4 was not sent: IF B counter = 5625 does not fit its 12-bit field, which takes a "
         "whole number from 0 to 4095."},
    };
    for (const Row& row : rows) {
        LinkBench b(row.device, "par");
        std::vector<std::string> refusals;
        std::vector<int> shown;
        b.link.set_refusal_handler([&](const std::string& why) { refusals.push_back(why); });
        b.link.set_observer([&](const SentWord& w) { shown.push_back(w.index); });
        row.force(b.state);
        b.state.reg_word[static_cast<std::size_t>(row.index)] = 42.0;
        b.link.send(row.index);
        EXPECT_EQ(refusals, std::vector<std::string>{row.refusal}) << row.refusal;
        EXPECT_TRUE(shown.empty()) << row.refusal;
        EXPECT_TRUE(b.bytes().empty()) << row.refusal;
        EXPECT_EQ(b.state.reg_word[static_cast<std::size_t>(row.index)], 42.0) << row.refusal;
        EXPECT_TRUE(b.state.reg_text_hex[static_cast<std::size_t>(row.index)].empty());
    }
}

// Overlays meant to add: the test-mode window's value in the four-register
// family's reading of its test-mode bits, and a noise pattern with the test
// modes while their sum stays in their bits.
TEST(SendRegisterGuard, OverlaysThatStayInTheirBitsPass) {
    LinkBench four("ZQF7310", "par");
    four.state.test_mode = 31 * 2048;
    four.link.send(3);
    EXPECT_EQ(four.board.latched(3), (31U << 13) + 3U);
    four.state.test_mode = 31;
    four.state.sd_test_mode = 7;
    four.state.ns_bits_4r = 964;
    four.link.send(3);
    EXPECT_EQ(four.board.latched(3), 31U * 4 + 7 * 128 + 964 + 3);
}

TEST(FirmwareLoad, PathAndBytes) {
    LinkBench b("ZQF7620", "usb");
    b.board.set_firmware_result(-1);
    const FirmwareLoad result = load_firmware(b.state, b.traced, "/opt/zqf");
    EXPECT_FALSE(result.path_too_long);
    EXPECT_EQ(b.state.fw_path, "/opt/zqf/zqf7xxx_usb_fw_1_0.hex");
    EXPECT_EQ(b.state.fw_path_bytes[0], '/');
    EXPECT_EQ(b.state.fw_path_bytes[b.state.fw_path.size()], 0);
    EXPECT_EQ(b.state.usb_status, -1);
    EXPECT_EQ(b.calls.back(), "load \"/opt/zqf/zqf7xxx_usb_fw_1_0.hex\" -> -1");
}

TEST(FirmwareLoad, OverlongPathIsRefusedWithoutCallingTheLibrary) {
    LinkBench b("ZQF7620", "usb");
    const std::string fits(512 - 23, 'd'); // 489 + "/" + 22-character name = 512
    load_firmware(b.state, b.traced, fits);
    EXPECT_EQ(b.state.fw_path.size(), 512U);
    EXPECT_EQ(b.state.usb_status, 0);
    b.calls.clear();
    const FirmwareLoad refused = load_firmware(b.state, b.traced, fits + "d");
    EXPECT_TRUE(refused.path_too_long);
    EXPECT_NE(refused.message.find("512"), std::string::npos);
    EXPECT_EQ(b.state.usb_status, -1);
    EXPECT_TRUE(b.calls.empty());
}

} // namespace
} // namespace zqf
