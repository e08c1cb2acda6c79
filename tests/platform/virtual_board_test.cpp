#include "platform/virtual_board.h"

#include <gtest/gtest.h>

#include <vector>

namespace zqf {
namespace {

// Clocks `bits` (most significant first) onto the board, then strobes load-enable.
void clock_in(VirtualBoard& board, uint64_t value, int bits) {
    board.out_byte(888, 24);
    for (int i = bits - 1; i >= 0; --i) {
        const int level = 24 | (((value >> i) & 1U) != 0 ? 2 : 0);
        board.out_byte(888, level);
        board.out_byte(888, level | 1);
        board.out_byte(888, level);
    }
    board.out_byte(888, 24);
    board.out_byte(888, 28);
    board.out_byte(888, 24);
}

TEST(VirtualBoard, LatchesTheLastWordLengthBitsIntoTheAddressedRegister) {
    ChipGeometry chip{24, 2};
    VirtualBoard board([&chip] { return chip; });
    clock_in(board, (uint64_t{0xAB} << 24) | 0x2BC000, 32); // eight extra leading bits
    EXPECT_EQ(board.latched(0), 0x2BC000U);
    EXPECT_FALSE(board.latched(1).has_value());

    chip = {32, 3};
    clock_in(board, 0x80000005U, 32);
    EXPECT_EQ(board.latched(5), 0x80000005U);
    EXPECT_EQ(board.latch_count(), 2);
}

TEST(VirtualBoard, OnlyRisingEdgesCount) {
    VirtualBoard board([] { return ChipGeometry{24, 3}; });
    board.out_byte(888, 27); // clock rises with data 1: one bit
    board.out_byte(888, 25); // data changes while the clock stays high: no edge
    board.out_byte(888, 29); // load-enable rises with the clock still high
    EXPECT_EQ(board.latched(1), 1U);
    board.out_byte(888, 28); // load-enable stays high: no second latch
    EXPECT_EQ(board.latch_count(), 1);
}

// The bench scripts on the USB adapter trace each request and print what the
// board latched, as they trace the calls to the port and the adapter.
TEST(VirtualBoard, UsbRequestLatchesItsWord) {
    VirtualBoard board([] { return ChipGeometry{24, 3}; });
    uint8_t buffer[5] = {0x56, 0x34, 0x12, 0x00, 24};
    board.vendor_request(221, 0, 0, 0, 5, buffer);
    EXPECT_EQ(board.latched(6), 0x123456U);
    EXPECT_EQ(board.vendor_request(221, 0, 0, 0, 4, buffer), -1); // short buffer refused
}

} // namespace
} // namespace zqf
