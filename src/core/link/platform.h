#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zqf {

// Everything the program needs from outside: the parallel-port access library,
// the USB adapter library and the operating-system version query. The byte
// sequences and the request buffer are built by the core; an implementation
// only carries them to the hardware (or to a virtual board).
class Platform {
  public:
    virtual ~Platform() = default;

    // Claims the parallel port for this process. The program passes 1 and -1.
    // Non-zero means the port was claimed.
    virtual int16_t claim_parallel_port(int32_t port_number, int32_t mode) = 0;

    // Puts one byte on the data lines of the port whose data register is at
    // `port`. Must have reached the lines when it returns; never blocks.
    virtual void out_byte(int32_t port, int32_t value) = 0;

    // Loads the USB adapter's firmware from the NUL-terminated 8-bit path.
    // Negative: no adapter detected; zero or positive: adapter ready.
    virtual int16_t load_firmware(const uint8_t* path) = 0;

    // One vendor request to the USB adapter, carrying `length` bytes of `buffer`.
    virtual int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                                   int16_t length, uint8_t* buffer) = 0;

    // Operating-system code: -1 not recognised; 351, 400 and 2000 mean the
    // parallel port must be claimed before use; 95, 98 and 0 need no claim.
    virtual int16_t os_version() = 0;

    // Why the last claim_parallel_port or load_firmware failed, in the
    // platform's words (device node and error, missing group or file); empty
    // after a success or when the platform has nothing to add.
    virtual std::string failure_reason() const { return {}; }

    // How many port writes and word requests have not reached the board so
    // far, and why the last of them did not, in the platform's words (a port
    // that was never claimed, an adapter that refused the request). A
    // platform that cannot tell counts none.
    virtual uint64_t failed_transfers() const { return 0; }
    virtual std::string transfer_failure() const { return {}; }

    // Where parallel-port writes go, for the user to read ("/dev/parport0",
    // "at 0x378 (direct I/O)"); empty while they go nowhere (the port not
    // claimed, or its claim refused).
    virtual std::string parallel_port_name() const { return {}; }

    // The word the board holds in register `index` (0 to 7), where the
    // platform can read it back; real hardware cannot, a virtual board can.
    virtual std::optional<uint32_t> held_word(int /*index*/) const { return std::nullopt; }
};

// The code os_version yields on this platform. Linux gives port access only
// to a process that has claimed the port, so it reports the "claim first" code.
inline constexpr int16_t native_os_version = 2000;

} // namespace zqf
