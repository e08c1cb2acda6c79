#include "platform/linux/ezusb_loader.h"
#include "platform/linux/intel_hex.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

TEST(IntelHex, ReadsDataAtAbsoluteAddressesAcrossAddressRecords) {
    // The checksums here were worked by hand, not by the code under test.
    const HexParse parsed = parse_intel_hex(":0300300002337A1E\r\n"
                                            ":020000021000EC\r\n"
                                            ":02000400ABCD82\r\n"
                                            ":020000040001F9\n"
                                            ":02000000FFFF00\n"
                                            ":00000001FF\n"
                                            "\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const std::vector<HexRecord> expected{
        {0x0030, {0x02, 0x33, 0x7A}, 1},
        {0x10004, {0xAB, 0xCD}, 3},
        {0x10000, {0xFF, 0xFF}, 5},
    };
    EXPECT_EQ(parsed.records, expected);
}

TEST(IntelHex, BadFilesNameTheLineAndTheFault) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {":0300300002337A1F\n:00000001FF\n", "line 1: checksum is 0x1F, the record needs 0x1E"},
        {":00000001FF\n:00000001FF\n", "line 2: content after the end-of-file record"},
        {":0300300002337A1E\n:04000003000000C039\n:00000001FF\n",
         "line 2: record type 03 is not supported (only 00, 01, 02, 04)"},
        {"0300300002337A1E\n", "line 1: a record must start with ':'"},
        {":03003000023G7A1E\n", "line 1: character 'G' at column 13 is not a hex digit"},
        {":0300300002331E\n", "line 1: byte count says 3 data bytes, the record holds 2"},
        {":0300300002337\n", "line 1: odd number of hex digits"},
        {":0300300002337A1E\n:0300", "line 2: record is too short"},
        {":0300300002337A1E\n", "the file ends after line 1 without an end-of-file record"},
        {":01000001FFFF\n", "line 1: end-of-file record carries data"},
        {":0100000210ED\n", "line 1: address record must carry 2 bytes, not 1"},
        {"", "the file is empty"},
        // Which byte the chip would get must not depend on the order of writing.
        {":0100000011EE\n:0400000001020304F2\n:00000001FF\n",
         "line 2: data at 0x0000 is 0x01, but line 1 put 0x11 there"},
        {":020001040001F8\n:00000001FF\n",
         "line 1: address record must have 0000 in its address field, not 0001"},
        {":020010021000DC\n:00000001FF\n",
         "line 1: address record must have 0000 in its address field, not 0010"},
        {":00000001FF\n", "the file holds no data, only its end-of-file record"},
    };
    for (const auto& c : cases) {
        const HexParse parsed = parse_intel_hex(c.text);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos)
            << "file: " << c.text << "\ngot: " << parsed.error;
        EXPECT_TRUE(parsed.records.empty());
    }
}

TEST(IntelHex, OverlapsThatAgreeAreAccepted) {
    const HexParse parsed =
        parse_intel_hex(":0400000001020304F2\n:03000200030405EF\n:00000001FF\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.records.size(), 2U);
}

TEST(IntelHex, RecordsWrapAsTheIntelRulesSay) {
    const std::vector<uint8_t> first{1, 2, 3, 4};
    const std::vector<uint8_t> second{5, 6, 7, 8};
    const struct {
        const char* address_record;
        std::vector<HexRecord> records;
    } cases[] = {
        // Within the 64 KiB segment: from its end back to its start.
        {"", {{0xFFFC, first, 1}, {0x0000, second, 1}}},
        {":020000021000EC\n", {{0x1FFFC, first, 2}, {0x10000, second, 2}}},
        // Linear: on into the next 64 KiB, and from the top of 4 GiB to 0.
        {":020000040000FA\n", {{0xFFFC, {1, 2, 3, 4, 5, 6, 7, 8}, 2}}},
        {":02000004FFFFFC\n", {{0xFFFFFFFC, first, 2}, {0x0000, second, 2}}},
    };
    for (const auto& c : cases) {
        const HexParse parsed = parse_intel_hex(std::string(c.address_record) +
                                                ":08FFFC000102030405060708D9\n:00000001FF\n");
        ASSERT_TRUE(parsed.ok()) << parsed.error;
        EXPECT_EQ(parsed.records, c.records) << c.address_record;
    }
    // The part that leaves RAM is named by its own range, never a wrapped one.
    const HexParse top = parse_intel_hex(":02000004FFFFFC\n:08FFFC000102030405060708D9\n"
                                         ":00000001FF\n");
    EXPECT_EQ(check_records_fit(top.records, EzUsbChip::ram),
              "line 2: data at 0xFFFFFFFC-0xFFFFFFFF lies beyond the chip's RAM "
              "(0x0000-0x3FFF, 0xE000-0xE1FF)");
}

TEST(IntelHex, RecordsMustLieInsideTheChipsRam) {
    const std::span ram = EzUsbChip::ram;
    const std::vector<HexRecord> fits{{0x0000, {1}, 1}, {0x3FFF, {2}, 2}, {0xE000, {3, 4}, 3}};
    EXPECT_EQ(check_records_fit(fits, ram), "");

    const std::vector<HexRecord> straddles{{0x0000, {1}, 1}, {0x3FFE, {1, 2, 3}, 7}};
    EXPECT_EQ(check_records_fit(straddles, ram),
              "line 7: data at 0x3FFE-0x4000 lies beyond the chip's RAM "
              "(0x0000-0x3FFF, 0xE000-0xE1FF)");
    // The control registers are not RAM: an image must not write CPUCS itself.
    EXPECT_NE(check_records_fit(std::vector<HexRecord>{{0xE600, {0}, 4}}, ram), "");
    EXPECT_NE(check_records_fit(std::vector<HexRecord>{{0x10000, {0}, 5}}, ram), "");
}

} // namespace
} // namespace zqf
