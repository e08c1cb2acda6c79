#include "platform/linux/intel_hex.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace zqf {

namespace {

enum RecordType : uint8_t {
    data_record = 0x00,
    end_of_file_record = 0x01,
    segment_address_record = 0x02,
    linear_address_record = 0x04,
};

std::string hex_text(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::string at_line(int line, const std::string& message) {
    return "line " + std::to_string(line) + ": " + message;
}

std::optional<uint8_t> hex_digit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<uint8_t>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<uint8_t>(c - 'A' + 10);
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<uint8_t>(c - 'a' + 10);
    }
    return std::nullopt;
}

bool is_blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The decoded bytes of one record line (everything after the ':'), or an error.
struct RecordBytes {
    std::vector<uint8_t> bytes;
    std::string error;
};

RecordBytes decode_record(std::string_view line, int number) {
    RecordBytes out;
    if (line.empty() || line.front() != ':') {
        out.error = at_line(number, "a record must start with ':'");
        return out;
    }
    const std::string_view digits = line.substr(1);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (!hex_digit(digits[i])) {
            out.error = at_line(number, "character '" + std::string(1, digits[i]) + "' at column " +
                                            std::to_string(i + 2) + " is not a hex digit");
            return out;
        }
    }
    if (digits.size() % 2 != 0) {
        out.error = at_line(number, "odd number of hex digits (record cut short?)");
        return out;
    }
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        out.bytes.push_back(
            static_cast<uint8_t>(*hex_digit(digits[i]) << 4 | *hex_digit(digits[i + 1])));
    }
    // byte count, two address bytes, type, checksum
    constexpr std::size_t overhead = 5;
    if (out.bytes.size() < overhead) {
        out.error = at_line(number, "record is too short to hold its fields");
        return out;
    }
    const std::size_t expected = overhead + out.bytes[0];
    if (out.bytes.size() != expected) {
        out.error =
            at_line(number, "byte count says " + std::to_string(out.bytes[0]) +
                                " data bytes, the record holds " +
                                std::to_string(out.bytes.size() - overhead) +
                                (out.bytes.size() < expected ? " (record cut short?)" : ""));
        return out;
    }
    uint8_t sum = 0;
    for (const uint8_t b : out.bytes) {
        sum = static_cast<uint8_t>(sum + b);
    }
    if (sum != 0) {
        const uint8_t given = out.bytes.back();
        const uint8_t wanted = static_cast<uint8_t>(given - sum);
        out.error = at_line(number, "checksum is " + hex_text(given, 2) + ", the record needs " +
                                        hex_text(wanted, 2));
    }
    return out;
}

} // namespace

namespace {

// Where the data records of a file go. Without an address record, and after a
// type-02 record, an address runs within its 64 KiB segment and wraps to the
// segment's start; after a type-04 record it runs on through all 4 GiB and
// wraps to 0 (the Intel rules for 16-bit segmented and 32-bit linear files).
struct Addressing {
    uint32_t base = 0;
    bool linear = false;

    // The record's bytes at their absolute addresses: one piece, or two where
    // the record wraps.
    void place(uint16_t offset, std::span<const uint8_t> bytes, int line,
               std::vector<HexRecord>& records) const {
        if (bytes.empty()) {
            return;
        }
        const uint64_t room =
            linear ? (uint64_t{1} << 32) - (uint64_t{base} + offset) : uint64_t{0x10000} - offset;
        const std::size_t first = static_cast<std::size_t>(std::min<uint64_t>(room, bytes.size()));
        const uint32_t start = base + offset;
        records.push_back({start, {bytes.begin(), bytes.begin() + first}, line});
        if (first < bytes.size()) {
            records.push_back({linear ? 0 : base, {bytes.begin() + first, bytes.end()}, line});
        }
    }
};

// Two records may cover the same address only with the same byte: otherwise
// which one the chip gets would depend on the order of writing.
std::string check_overlaps(std::span<const HexRecord> records) {
    struct Byte {
        uint32_t address;
        uint8_t value;
        int line;
    };
    std::vector<Byte> bytes;
    for (const HexRecord& record : records) {
        for (std::size_t i = 0; i < record.bytes.size(); ++i) {
            bytes.push_back(
                {record.address + static_cast<uint32_t>(i), record.bytes[i], record.line});
        }
    }
    std::stable_sort(bytes.begin(), bytes.end(),
                     [](const Byte& a, const Byte& b) { return a.address < b.address; });
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        const Byte& earlier = bytes[i - 1];
        const Byte& later = bytes[i];
        if (later.address == earlier.address && later.value != earlier.value) {
            return at_line(later.line, "data at " + hex_text(later.address, 4) + " is " +
                                           hex_text(later.value, 2) + ", but line " +
                                           std::to_string(earlier.line) + " put " +
                                           hex_text(earlier.value, 2) + " there");
        }
    }
    return {};
}

HexParse parse_records(std::string_view text) {
    HexParse out;
    Addressing addressing;
    bool ended = false;
    int number = 0;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (is_blank(line)) {
            continue;
        }
        if (ended) {
            out.error = at_line(number, "content after the end-of-file record");
            return out;
        }
        const RecordBytes record = decode_record(line, number);
        if (!record.error.empty()) {
            out.error = record.error;
            return out;
        }
        const std::size_t count = record.bytes[0];
        const auto offset = static_cast<uint16_t>(record.bytes[1] << 8 | record.bytes[2]);
        const uint8_t type = record.bytes[3];
        const auto payload = std::span(record.bytes).subspan(4, count);
        switch (type) {
        case data_record:
            addressing.place(offset, payload, number, out.records);
            break;
        case end_of_file_record:
            if (count != 0) {
                out.error = at_line(number, "end-of-file record carries data");
                return out;
            }
            ended = true;
            break;
        case segment_address_record:
        case linear_address_record:
            if (count != 2) {
                out.error = at_line(number, "address record must carry 2 bytes, not " +
                                                std::to_string(count));
                return out;
            }
            if (offset != 0) {
                out.error = at_line(number, "address record must have 0000 in its address "
                                            "field, not " +
                                                hex_text(offset, 4).substr(2));
                return out;
            }
            addressing.linear = type == linear_address_record;
            addressing.base = static_cast<uint32_t>(payload[0] << 8 | payload[1])
                              << (addressing.linear ? 16 : 4);
            break;
        default:
            out.error = at_line(number, "record type " + hex_text(type, 2).substr(2) +
                                            " is not supported (only 00, 01, 02, 04)");
            return out;
        }
    }
    if (number == 0) {
        out.error = "the file is empty";
    } else if (!ended) {
        out.error = "the file ends after line " + std::to_string(number) +
                    " without an end-of-file record (truncated?)";
    } else if (out.records.empty()) {
        out.error = "the file holds no data, only its end-of-file record";
    } else {
        out.error = check_overlaps(out.records);
    }
    return out;
}

} // namespace

HexParse parse_intel_hex(std::string_view text) {
    HexParse out = parse_records(text);
    if (!out.ok()) {
        out.records.clear(); // half a file is no image
    }
    return out;
}

std::string check_records_fit(std::span<const HexRecord> records,
                              std::span<const MemoryRange> memory) {
    for (const HexRecord& record : records) {
        const uint64_t first = record.address;
        const uint64_t end = first + record.bytes.size();
        bool inside = false;
        for (const MemoryRange& range : memory) {
            inside = inside || (first >= range.begin && end <= range.end);
        }
        if (inside) {
            continue;
        }
        std::string ram;
        for (const MemoryRange& range : memory) {
            ram += (ram.empty() ? "" : ", ") + hex_text(range.begin, 4) + "-" +
                   hex_text(range.end - 1, 4);
        }
        return at_line(record.line, "data at " + hex_text(record.address, 4) + "-" +
                                        hex_text(static_cast<uint32_t>(end - 1), 4) +
                                        " lies beyond the chip's RAM (" + ram + ")");
    }
    return {};
}

} // namespace zqf
