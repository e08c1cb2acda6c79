#pragma once

#include "core/link/platform.h"
#include "platform/linux/adapter_ids.h"
#include "platform/linux/parallel_port.h"
#include "platform/linux/port_system.h"
#include "platform/linux/usb_adapter.h"
#include "platform/linux/usb_transport.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace zqf {

// Everything the hardware platform reaches outside the process; the factory
// fills it with the real system, tests with fakes.
struct HardwareParts {
    std::unique_ptr<PortSystem> ports;
    std::unique_ptr<UsbTransport> usb;
    std::filesystem::path root = "/";
    std::vector<AdapterId> adapter_ids;
    Sleep sleep;
    ReturnTiming timing;
};

// Passes what is written to a log on, and keeps a copy of it.
class KeepingLog final : public std::streambuf {
  public:
    explicit KeepingLog(std::ostream& log) : log_(log) {}
    const std::string& kept() const { return kept_; }
    void forget() { kept_.clear(); }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;

  private:
    std::ostream& log_;
    std::string kept_;
};

// The real evaluation-board link on Linux: the parallel port through ppdev or
// direct I/O, the USB adapter through libusb. Reasons for every failure go to
// `log`; those of a failed claim or firmware load are also kept for the user.
class HardwarePlatform final : public Platform {
  public:
    HardwarePlatform(HardwareParts parts, int32_t port_address, std::ostream& log);

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override;
    void out_byte(int32_t port, int32_t value) override;
    int16_t load_firmware(const uint8_t* path) override;
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override;
    int16_t os_version() override { return native_os_version; }
    std::string failure_reason() const override { return failure_reason_; }
    uint64_t failed_transfers() const override { return failed_transfers_; }
    std::string transfer_failure() const override { return transfer_failure_; }
    std::string parallel_port_name() const override { return parallel_.name(); }

  private:
    int16_t load_firmware_from(const uint8_t* path);
    // The lines logged since `forget`, without `prefix`, on one line.
    std::string kept_reason(std::string_view prefix) const;
    // A transfer did not reach the board: `failure`, with the `cause` behind it when known.
    void failed(const std::string& failure, const std::string& cause);

    // Declared before the users that hold references to them.
    const std::unique_ptr<PortSystem> ports_;
    const std::unique_ptr<UsbTransport> usb_;
    KeepingLog keeping_;
    std::ostream log_;
    std::string failure_reason_;
    std::string claim_reason_; // why the port claim failed, if it did
    std::string load_reason_;  // why the firmware load failed, if it did
    uint64_t failed_transfers_ = 0;
    std::string transfer_failure_;
    ParallelPort parallel_;
    UsbAdapter adapter_;
};

// The platform on the real system, with the adapter ids of the user's
// ~/.config/zqfeval/usb-adapter.conf (read now, its faults told on stderr)
// and its messages on `log`.
std::unique_ptr<Platform> make_hardware_platform(int32_t port_address = 888,
                                                 std::ostream& log = std::cerr);

} // namespace zqf
