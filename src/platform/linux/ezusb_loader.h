#pragma once

#include "platform/linux/intel_hex.h"
#include "platform/linux/usb_transport.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>

namespace zqf {

// What the silicon boot loader of an FX2-class EZ-USB chip offers, firmware or not:
// vendor request 0xA0 writes (value = address) into on-chip RAM and into the CPU
// control register CPUCS, whose bit 0 holds the 8051 in reset.
struct EzUsbChip {
    static constexpr uint8_t firmware_load_request = 0xA0;
    static constexpr uint16_t cpucs_address = 0xE600;
    static constexpr uint8_t cpu_in_reset = 0x01;
    static constexpr uint8_t cpu_running = 0x00;

    // Program/data RAM (16 KB) and the scratch RAM; nothing else may be loaded.
    static constexpr std::array<MemoryRange, 2> ram{{{0x0000, 0x4000}, {0xE000, 0xE200}}};
};

struct UploadOptions {
    std::size_t chunk_size = 1024;
    std::chrono::milliseconds timeout{1000};
};

// Holds the CPU in reset, writes the records (contiguous ones merged, then cut
// into chunks of at most chunk_size bytes), and releases reset. Returns false on
// the first failed write, leaving the CPU in reset: half an image must not run.
// The device may drop off the bus as soon as it leaves reset, so a failed
// release is only reported; whether the board comes back decides.
bool upload_firmware(UsbHandle& device, std::span<const HexRecord> records,
                     const UploadOptions& options, std::ostream& log);

} // namespace zqf
