#include "core/registers/assembly.h"
#include "core/state/start_values.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

// A device as the start window leaves it: first-start values, then its defaults.
SharedState confirmed(const char* device) {
    SharedState s;
    apply_first_start_values(s);
    s.device_name = device;
    apply_device_defaults(s);
    return s;
}

// Only the device name set: every field clear.
SharedState clear(const char* device) {
    SharedState s;
    s.device_name = device;
    return s;
}

double word(SharedState& s, int index) {
    s.reg_index = static_cast<uint8_t>(index);
    EXPECT_EQ(assemble_register(s).outcome, Assembly::assembled) << "R" << index;
    return s.reg_word[static_cast<std::size_t>(index)];
}

TEST(Assembly, EveryFieldClearGivesTheRegisterNumber) {
    for (const char* device : {"ZQF7310", "ZQF7340", "ZQF7620"}) {
        SharedState s = clear(device);
        const int registers = family_of(device) == Family::dual            ? 8
                              : family_of(device) == Family::five_register ? 5
                                                                           : 4;
        for (int k = 0; k < registers; ++k) {
            EXPECT_EQ(word(s, k), k) << device << " R" << k;
        }
    }
}

// The bench scripts update_indicator, panel_* and if_planner check more worked
// words: the ZQF7310's R0 and R3 with a test mode, the ZQF7340's R1, R3 and R4,
// the dual's R3 to R7.
TEST(FourRegisterMap, WorkedValues) {
    SharedState s = confirmed("ZQF7310");
    EXPECT_EQ(word(s, 1), 278729.0);
    EXPECT_EQ(s.reg_text_hex[1], "440C9");
    EXPECT_EQ(s.reg_text_bin[1], "000001000100000011001001");
    s.load_control = 8388608.0; // what any change of the resync list stores
    EXPECT_EQ(word(s, 1), 278729.0 + 8388608.0);

    SharedState r2 = clear("ZQF7320");
    r2.rf_pd_polarity = 128;
    EXPECT_EQ(word(r2, 2), 66.0);
}

// A value wider than its slot would carry into the next field: refused, for
// settings and counters alike, and the stored word stays.
TEST(FourRegisterMap, OverWideValuesAreRefused) {
    SharedState s = clear("ZQF7310");
    s.muxout_code = 7.0 * 1048576.0;
    EXPECT_EQ(word(s, 1), 7340032.0 + 1.0);
    s.muxout_code = 8.0 * 1048576.0; // the fifth bit of a 4-bit entry would set bit 23
    s.reg_index = 1;
    EXPECT_EQ(assemble_register(s).refusal,
              "R1 was not sent: Muxout = 8388608 does not fit its 3-bit field, which takes a "
              "multiple of 1048576 from 0 to 7340032.");
    s.muxout_code = 0.0;
    s.r_count = 16; // one more than the 4-bit slot holds: it would land on bit 18
    const Assembled refused = assemble_register(s);
    EXPECT_EQ(refused.outcome, Assembly::refused);
    EXPECT_EQ(refused.refusal, "R1 was not sent: R counter = 16 does not fit its 4-bit field, "
                               "which takes a whole number from 0 to 15.");
    EXPECT_EQ(s.reg_word[1], 7340032.0 + 1.0);
}

TEST(FiveRegisterMap, WorkedValues) {
    SharedState z50 = clear("ZQF7350");
    EXPECT_EQ(word(z50, 1), 9.0);
    EXPECT_EQ(word(z50, 2), 8388610.0);

    SharedState z40 = clear("ZQF7340");
    z40.muxout_code = 6.0 * 1048576.0; // "Digital Lock Detect"
    EXPECT_EQ(word(z40, 0), 6.0 * 134217728.0);
}

TEST(FiveRegisterMap, DeviceVariantsOfTheFamily) {
    for (const char* device : {"ZQF7340", "ZQF7350"}) {
        SharedState s = clear(device);
        s.frac_val = 5;
        s.frac_msb = 81;
        s.frac_lsb = 7537;
        s.phase_value = 1;
        s.mod_val = 100;
        s.dec_sel = 1.0;
        s.clk_div_value = 3;
        const bool z40 = std::string(device) == "ZQF7340";
        EXPECT_EQ(word(s, 0), z40 ? 5.0 * 8 : 81.0 * 8) << device;
        EXPECT_EQ(word(s, 1), z40 ? 8.0 + 1 : 7537.0 * 32768 + 8 + 1) << device;
        EXPECT_EQ(word(s, 2), (z40 ? 100.0 * 8 : 0.0) + 8388608.0 + 2) << device;
        EXPECT_EQ(word(s, 4), (z40 ? 3.0 * 128 : 0.0) + 4) << device;
    }
}

TEST(DualMap, WorkedValues) {
    SharedState s = confirmed("ZQF7620");
    word(s, 5);
    EXPECT_EQ(s.reg_text_bin[5].size(), 19U);

    SharedState r6 = clear("ZQF7620");
    r6.if_test_mode = 2048;
    EXPECT_EQ(word(r6, 6), 2048.0 + 6);
    EXPECT_EQ(r6.reg_text_bin[6], "0000100000000110");
    r6.if_test_mode = 0;
    r6.rf_phase_resync = 32768 + 16384 + 2048;
    EXPECT_EQ(word(r6, 6), 51200.0 + 6);
    EXPECT_EQ(r6.reg_text_bin[6].substr(0, 5), "11001");
}

// One variable, three positions: the factors move it to each family's slot.
TEST(SharedFields, LandAtTheirPerFamilyPositions) {
    struct Row {
        const char* device;
        int reg;
        double expected;
    };
    const Row polarity[] = {
        {"ZQF7310", 2, 64.0 + 2}, {"ZQF7340", 3, 64.0 + 3}, {"ZQF7620", 2, 128.0 + 2}};
    for (const Row& r : polarity) {
        SharedState s = clear(r.device);
        s.rf_pd_polarity = 128;
        EXPECT_EQ(word(s, r.reg), r.expected) << r.device;
    }
    const Row powerdown[] = {
        {"ZQF7310", 2, 16.0 + 2}, {"ZQF7350", 3, 32.0 + 3}, {"ZQF7620", 2, 32.0 + 2}};
    for (const Row& r : powerdown) {
        SharedState s = clear(r.device);
        s.rf_powerdown = 32;
        EXPECT_EQ(word(s, r.reg), r.expected) << r.device;
    }
    const Row prescaler[] = {
        {"ZQF7310", 1, 262144.0 + 1}, {"ZQF7340", 2, 4194304.0 + 2}, {"ZQF7620", 1, 1048576.0 + 1}};
    for (const Row& r : prescaler) {
        SharedState s = clear(r.device);
        s.prescaler_bit = 1.0;
        s.prescaler_field = 1 << 20;
        EXPECT_EQ(word(s, r.reg), r.expected) << r.device;
    }
    const Row doubler[] = {{"ZQF7320", 2, 2048.0 + 2}, {"ZQF7620", 1, 524288.0 + 1}};
    for (const Row& r : doubler) {
        SharedState s = clear(r.device);
        s.doubler_field = 1 << 19;
        EXPECT_EQ(word(s, r.reg), r.expected) << r.device;
    }
}

TEST(Assembly, RegistersADeviceDoesNotHave) {
    // A four-register word has two address bits: a stored "R4" word would land
    // in R0 to R3.
    SharedState four = clear("ZQF7310");
    four.reg_word[4] = 12345.0;
    four.reg_index = 4;
    EXPECT_EQ(assemble_register(four).outcome, Assembly::refused);
    EXPECT_EQ(four.tx_word, 0.0);

    for (const char* device : {"ZQF7310", "ZQF7340", "ZQF7350"}) {
        for (int k : {5, 6, 7}) {
            SharedState s = clear(device);
            s.tx_word = 99.0;
            s.reg_index = static_cast<uint8_t>(k);
            EXPECT_EQ(assemble_register(s).outcome, Assembly::skipped);
            EXPECT_EQ(s.tx_word, 99.0);
            EXPECT_TRUE(s.reg_text_bin[static_cast<std::size_t>(k < 7 ? k : 0)].empty());
        }
    }
    SharedState dual = clear("ZQF7620");
    dual.reg_index = 8;
    EXPECT_EQ(assemble_register(dual).outcome, Assembly::skipped);

    SharedState none = clear("");
    none.reg_index = 0;
    EXPECT_EQ(assemble_register(none).outcome, Assembly::skipped);
}

TEST(Assembly, WholeNumberPartialSumThatOverflowsSendsNothing) {
    SharedState s = clear("ZQF7620");
    s.reg_word[2] = 42.0;
    s.test_mode = 2147483647;
    s.ns_bits_dual = 1;
    s.reg_index = 2;
    EXPECT_EQ(assemble_register(s).outcome, Assembly::overflow);
    EXPECT_EQ(s.reg_word[2], 42.0);

    SharedState ldp = clear("ZQF7340");
    ldp.ldp_bit = 8192; // 4 x 8192 leaves the 16-bit product
    ldp.reg_index = 3;
    EXPECT_EQ(assemble_register(ldp).outcome, Assembly::overflow);
}

TEST(BitsText, DisplayLengths) {
    EXPECT_EQ(bits_text(3.0, 8), "00000011");
    EXPECT_EQ(bits_text(2147483649.0, 32), "1" + std::string(30, '0') + "1");
    EXPECT_EQ(bits_text(5.0, 28), "");
    EXPECT_EQ(bits_text(5.0, 25), "");
    EXPECT_EQ(bits_text(5.0, 31), "");
    EXPECT_EQ(bits_text(16777216.0 + 1.0, 24), std::string(23, '0') + "1"); // bit 24 not shown
}

// The display lengths of the main window's bit texts, register by register.
TEST(BitsText, EveryRegistersTextHasItsDisplayLength) {
    struct Row {
        const char* device;
        std::vector<std::size_t> lengths; // R0, R1, ...
    };
    const Row rows[] = {
        {"ZQF7320", {24, 24, 24, 24}},
        {"ZQF7350", {32, 32, 32, 8, 32}},
        {"ZQF7620", {24, 21, 24, 24, 24, 19, 16}},
    };
    for (const Row& row : rows) {
        SharedState s = confirmed(row.device);
        for (std::size_t k = 0; k < row.lengths.size(); ++k) {
            s.reg_index = static_cast<uint8_t>(k);
            assemble_register(s);
            EXPECT_EQ(s.reg_text_bin[k].size(), row.lengths[k]) << row.device << " R" << k;
        }
    }
}

} // namespace
} // namespace zqf
