#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

// One data record of an Intel HEX file, at its absolute address.
struct HexRecord {
    uint32_t address = 0;
    std::vector<uint8_t> bytes;
    int line = 0; // 1-based line of the file, for messages

    friend bool operator==(const HexRecord&, const HexRecord&) = default;
};

// The outcome of parsing: the data records in file order, or the first error,
// which names the line it was found on.
struct HexParse {
    std::vector<HexRecord> records;
    std::string error;

    bool ok() const { return error.empty(); }
};

// Parses Intel HEX strictly: record types 00 (data), 01 (end of file),
// 02 (extended segment address) and 04 (extended linear address), the last
// two with 0000 in their address field; every checksum checked; the
// end-of-file record required and nothing but blank lines after it; at least
// one data byte; records that cover the same address must agree on its byte. A record that runs
// past the end of its segment (02, or no address record) or of the 4 GiB space (04) wraps as the
// Intel rules say and comes out as two records. Lines may end in LF or CR LF.
HexParse parse_intel_hex(std::string_view text);

// A half-open range [begin, end) of target memory.
struct MemoryRange {
    uint32_t begin = 0;
    uint32_t end = 0;
};

// Checks that every record lies wholly inside one of `memory`. Returns an empty
// text when it does, otherwise an error naming the first offending line.
std::string check_records_fit(std::span<const HexRecord> records,
                              std::span<const MemoryRange> memory);

} // namespace zqf
