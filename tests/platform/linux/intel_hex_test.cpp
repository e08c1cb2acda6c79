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
    };
    for (const auto& c : cases) {
        const HexParse parsed = parse_intel_hex(c.text);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos)
            << "file: " << c.text << "\ngot: " << parsed.error;
        EXPECT_TRUE(parsed.records.empty());
    }
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
