#pragma once

#include "platform/linux/port_system.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace zqf {

// The PC parallel port's data register, reached through ppdev or, where no
// ppdev device can be opened and the process may, by direct port I/O.
class ParallelPort {
  public:
    // `root` prefixes /sys, /proc and /dev ("/" on a real system).
    ParallelPort(PortSystem& system, std::filesystem::path root, int32_t address,
                 std::ostream& log);
    ParallelPort(const ParallelPort&) = delete;
    ParallelPort& operator=(const ParallelPort&) = delete;
    ~ParallelPort();

    // Claims the port once; true while claimed. Every refusal is explained in the log.
    bool claim();

    // One byte on D0..D7 of the port at `port`, at once. A write to an unclaimed
    // port, or to another address than the claimed one, is skipped. False
    // when the byte did not reach the lines (see failure()).
    bool write(int32_t port, int32_t value);
    // Why the last write that failed did not reach the lines.
    const std::string& failure() const { return failure_; }
    // The device node or the address the claimed port is written through;
    // empty while it is not claimed.
    const std::string& name() const { return name_; }

  private:
    bool claim_ppdev();
    bool claim_direct();

    enum class Access { none, ppdev, direct };

    PortSystem& system_;
    const std::filesystem::path root_;
    const int32_t address_;
    std::ostream& log_;
    Access access_ = Access::none;
    int fd_ = -1;
    bool ppdev_openable_ = false;
    bool reported_write_failure_ = false;
    bool reported_other_address_ = false;
    std::string failure_;
    std::string name_;
};

} // namespace zqf
