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

TEST(RegisterLink, UnknownDeviceNameResendsStoredWords) {
    LinkBench b("ZQF7999", "par");
    b.state.reg_word[2] = 6.0;
    b.link.send(2);
    EXPECT_EQ(b.state.tx_word, 6.0);
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
         "R4 was not sent: its word is not a finite number."},
        {"ZQF7340", [](SharedState& s) { s.phase_value = 0.5; }, 1,
         "R1 was not sent: its word, hex 5, carries the address of R5."},
        {"ZQF7310", [](SharedState& s) { s.frac_val = 0.25; }, 0,
         "R0 was not sent: its word, hex 2BC001, carries the address of R1."},
        {"ZQF7340", [](SharedState& s) { s.clk_div_value = 0.001; }, 4,
         "R4 was not sent: its word 4.128 is not a whole number."},
        {"ZQF7340", [](SharedState& s) { s.phase_value = -1; }, 1,
         "R1 was not sent: its word -7 is negative."},
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

// Words the program means to send pass: a setting that carries into the next
// field, the test-mode window's weighted value beyond the 32 bits of R4, and
// stored words resent as they are.
TEST(SendRegisterGuard, WordsThatAreMeantPass) {
    LinkBench four("ZQF7310", "par");
    four.state.muxout_code = 8.0 * 1048576.0;
    four.state.test_mode = 31 * 2048;
    four.state.reg_word[4] = 0.5;
    for (const int k : {1, 3, 4}) {
        four.link.send(k);
    }
    EXPECT_EQ(four.board.latched(1), word_bits(four.state.reg_word[1]));
    EXPECT_EQ(four.board.latched(3), (31U << 13) + 3U);
    EXPECT_EQ(four.state.tx_word, 0.5);

    LinkBench five("ZQF7340", "par");
    five.state.test_mode = 31 * 2048;
    five.link.send(4);
    EXPECT_EQ(five.state.reg_word[4], 31.0 * 4294967296.0 + 4.0);
    EXPECT_EQ(five.board.latched(4), 4U);
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
