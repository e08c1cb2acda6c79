// Firmware files: a file is either refused with a reason and no records, or
// every record it yields holds bytes within the 4 GiB address space; the RAM
// check then judges it without fault.
#include "platform/linux/intel_hex.h"
#include "fuzz_check.h"
#include "platform/linux/ezusb_loader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const zqf::HexParse parsed =
        zqf::parse_intel_hex(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.ok()) {
        FUZZ_CHECK(parsed.records.empty());
        return 0;
    }
    for (const zqf::HexRecord& record : parsed.records) {
        FUZZ_CHECK(!record.bytes.empty() && record.bytes.size() <= 255);
        FUZZ_CHECK(uint64_t{record.address} + record.bytes.size() <= uint64_t{1} << 32);
        FUZZ_CHECK(record.line >= 1);
    }
    const std::string fit = zqf::check_records_fit(parsed.records, zqf::EzUsbChip::ram);
    FUZZ_CHECK(!fit.empty() || !parsed.records.empty());
    return 0;
}
