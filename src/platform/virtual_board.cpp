#include "platform/virtual_board.h"

namespace zqf {

namespace {
constexpr int32_t clock_line = 1;
constexpr int32_t data_line = 2;
constexpr int32_t load_enable_line = 4;

bool rose(int32_t before, int32_t after, int32_t line) {
    return (before & line) == 0 && (after & line) != 0;
}
} // namespace

int16_t VirtualBoard::claim_parallel_port(int32_t, int32_t) {
    port_refused_ = claim_result_ == 0;
    return claim_result_;
}

int16_t VirtualBoard::load_firmware(const uint8_t*) {
    adapter_absent_ = firmware_result_ < 0;
    return firmware_result_;
}

void VirtualBoard::refuse(std::string reason) {
    ++failed_transfers_;
    transfer_failure_ = std::move(reason);
}

void VirtualBoard::out_byte(int32_t, int32_t value) {
    if (port_refused_) {
        refuse(failure_reason_.empty() ? "the parallel port was never claimed"
                                       : "the parallel port was never claimed: " + failure_reason_);
        return;
    }
    const int32_t before = lines_;
    lines_ = value & 0xFF;
    if (rose(before, lines_, clock_line)) {
        shift_register_ = (shift_register_ << 1) | ((lines_ & data_line) != 0 ? 1U : 0U);
        ++pending_bits_;
    }
    if (rose(before, lines_, load_enable_line)) {
        latch(shift_register_, mounted_chip_().word_bits);
    }
}

int16_t VirtualBoard::vendor_request(int16_t, int32_t, int32_t, int16_t, int16_t length,
                                     uint8_t* buffer) {
    if (adapter_absent_) {
        refuse(failure_reason_.empty() ? "no USB adapter is ready"
                                       : "no USB adapter is ready: " + failure_reason_);
        return -1;
    }
    if (buffer == nullptr || length < 5) {
        refuse("the request carried no word");
        return -1;
    }
    const uint64_t word = uint64_t{buffer[0]} | uint64_t{buffer[1]} << 8 |
                          uint64_t{buffer[2]} << 16 | uint64_t{buffer[3]} << 24;
    latch(word, buffer[4]);
    return 0;
}

void VirtualBoard::latch(uint64_t word, int length) {
    // The chip keeps only the last `length` bits it was clocked.
    const uint64_t mask = length >= 64 ? ~uint64_t{0} : (uint64_t{1} << length) - 1;
    const uint32_t value = static_cast<uint32_t>(word & mask);
    const int control = mounted_chip_().control_bits;
    const auto index = static_cast<std::size_t>(value & ((1U << control) - 1U));
    registers_[index] = value;
    ++latch_count_;
    shift_register_ = 0;
    pending_bits_ = 0;
}

std::optional<uint32_t> VirtualBoard::latched(int index) const {
    if (index < 0 || index > 7) {
        return std::nullopt;
    }
    return registers_[static_cast<std::size_t>(index)];
}

} // namespace zqf
