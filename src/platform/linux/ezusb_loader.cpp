#include "platform/linux/ezusb_loader.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

namespace zqf {

namespace {

struct Block {
    uint32_t address = 0;
    std::vector<uint8_t> bytes;
};

// Fewer, larger transfers: a record that continues the previous one joins it.
std::vector<Block> merge_contiguous(std::span<const HexRecord> records) {
    std::vector<Block> blocks;
    for (const HexRecord& record : records) {
        if (!blocks.empty() &&
            blocks.back().address + blocks.back().bytes.size() == record.address) {
            blocks.back().bytes.insert(blocks.back().bytes.end(), record.bytes.begin(),
                                       record.bytes.end());
            continue;
        }
        blocks.push_back({record.address, record.bytes});
    }
    return blocks;
}

std::string hex4(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

bool write_ram(UsbHandle& device, uint32_t address, std::span<const uint8_t> bytes,
               const UploadOptions& options, std::ostream& log) {
    const int sent = device.control_out(EzUsbChip::firmware_load_request,
                                        static_cast<uint16_t>(address), 0, bytes, options.timeout);
    if (sent == static_cast<int>(bytes.size())) {
        return true;
    }
    log << "USB adapter: writing " << bytes.size() << " bytes at " << hex4(address) << " failed: "
        << (sent < 0 ? usb_error_text(sent) : "only " + std::to_string(sent) + " bytes taken")
        << '\n';
    return false;
}

bool write_cpucs(UsbHandle& device, uint8_t value, const UploadOptions& options,
                 std::ostream& log) {
    const uint8_t byte[] = {value};
    return write_ram(device, EzUsbChip::cpucs_address, byte, options, log);
}

} // namespace

bool upload_firmware(UsbHandle& device, std::span<const HexRecord> records,
                     const UploadOptions& options, std::ostream& log) {
    if (!write_cpucs(device, EzUsbChip::cpu_in_reset, options, log)) {
        log << "USB adapter: cannot hold the CPU in reset; firmware not loaded\n";
        return false;
    }
    const std::size_t chunk = std::max<std::size_t>(options.chunk_size, 1);
    for (const Block& block : merge_contiguous(records)) {
        const std::span<const uint8_t> bytes(block.bytes);
        for (std::size_t done = 0; done < bytes.size(); done += chunk) {
            const auto piece = bytes.subspan(done, std::min(chunk, bytes.size() - done));
            if (!write_ram(device, block.address + static_cast<uint32_t>(done), piece, options,
                           log)) {
                log << "USB adapter: firmware upload abandoned; the CPU stays in reset\n";
                return false;
            }
        }
    }
    if (!write_cpucs(device, EzUsbChip::cpu_running, options, log)) {
        log << "USB adapter: (the board may simply have left the bus to come back with its "
               "firmware)\n";
    }
    return true;
}

} // namespace zqf
