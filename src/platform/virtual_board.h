#pragma once

#include "core/link/platform.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zqf {

// What the board needs to know of the chip mounted on it.
struct ChipGeometry {
    int word_bits = 24;   // bits latched per word
    int control_bits = 2; // low word bits that name the register
};

// An evaluation board without hardware: it decodes the three-wire bus the way
// the chip does and keeps the latched word of every register. Data line D1 is
// shifted in on each rising edge of the clock D0; a rising edge of load-enable
// D2 latches the bits shifted since the last latch into the register named by
// the word's control bits. A USB request latches the word of its buffer.
// Like the real link, it takes no port write once a claim of the port was
// refused, and no request once the adapter's firmware load failed.
class VirtualBoard final : public Platform {
  public:
    explicit VirtualBoard(std::function<ChipGeometry()> mounted_chip)
        : mounted_chip_(std::move(mounted_chip)) {}

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override;
    void out_byte(int32_t port, int32_t value) override;
    int16_t load_firmware(const uint8_t* path) override;
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override;
    int16_t os_version() override { return os_code_; }
    std::string failure_reason() const override { return failure_reason_; }
    uint64_t failed_transfers() const override { return failed_transfers_; }
    std::string transfer_failure() const override { return transfer_failure_; }
    std::optional<uint32_t> held_word(int index) const override { return latched(index); }
    std::string parallel_port_name() const override {
        return port_refused_ ? std::string() : "(virtual board)";
    }

    // What the board reports to the program.
    void set_claim_result(int16_t result) { claim_result_ = result; }
    void set_failure_reason(std::string reason) { failure_reason_ = std::move(reason); }
    void set_firmware_result(int16_t result) { firmware_result_ = result; }
    void set_os_version(int16_t code) { os_code_ = code; }

    // The word last latched into register `index` (0 to 7), if any.
    std::optional<uint32_t> latched(int index) const;
    int latch_count() const { return latch_count_; }
    // Bits shifted in since the last latch.
    int pending_bits() const { return pending_bits_; }

  private:
    void latch(uint64_t word, int length);
    void refuse(std::string reason);

    std::function<ChipGeometry()> mounted_chip_;
    int16_t claim_result_ = 1;
    int16_t firmware_result_ = 0;
    int16_t os_code_ = native_os_version;
    std::string failure_reason_;
    bool port_refused_ = false;
    bool adapter_absent_ = false;
    uint64_t failed_transfers_ = 0;
    std::string transfer_failure_;
    int32_t lines_ = 0;
    uint64_t shift_register_ = 0;
    int pending_bits_ = 0;
    int latch_count_ = 0;
    std::array<std::optional<uint32_t>, 8> registers_{};
};

} // namespace zqf
