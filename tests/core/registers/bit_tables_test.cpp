#include "core/registers/field_access.h"
#include "core/registers/field_check.h"
#include "core/registers/word_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zqf {
namespace {

using F = FieldId;

std::string where(const DeviceProfile& device, int index) {
    return std::string(device.stored_name) + " R" + std::to_string(index);
}

// Calls `visit(index, term)` for every term of the device's map that is the device's.
template <typename Visit> void for_each_device_term(const DeviceProfile& device, Visit&& visit) {
    for (int index = 0; index < device.register_count; ++index) {
        for_each_term(*register_map(device.family, index), [&](const Term& term) {
            if (term_applies(device, term)) {
                visit(index, term);
            }
        });
    }
}

TEST(FieldIds, KeysAreUniqueSnakeCaseAndEveryFieldIsNamed) {
    std::set<std::string_view> keys;
    for (const FieldInfo& info : field_infos()) {
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_EQ(info.key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"),
                  std::string_view::npos)
            << info.key;
        EXPECT_FALSE(info.name.empty() || info.meaning.empty()) << info.key;
        EXPECT_EQ(field_by_key(info.key), info.id);
    }
}

// The fields a device places own disjoint bits inside its word, apart from
// the address bits, and each field is placed once.
TEST(BitTables, EveryDevicesFieldsOwnDisjointBits) {
    for (const DeviceProfile& device : catalogue_profiles()) {
        std::set<FieldId> placed;
        for (int index = 0; index < device.register_count; ++index) {
            uint64_t owned = (uint64_t{1} << control_bits(device.family)) - 1U;
            for_each_term(*register_map(device.family, index), [&](const Term& term) {
                if (term.placement != Placement::field || !term_applies(device, term)) {
                    return;
                }
                const uint64_t mask = ((uint64_t{1} << term.bits.width) - 1U) << term.bits.low;
                EXPECT_EQ(owned & mask, 0U)
                    << where(device, index) << " " << field_info(term.id).key;
                EXPECT_LT(term.bits.high(), device.transfer_bits) << where(device, index);
                owned |= mask;
                if (term.id != F::fixed_bit) {
                    EXPECT_TRUE(placed.insert(term.id).second) << field_info(term.id).key;
                }
            });
        }
    }
}

// Each counter's bits as the register tables of the datasheets give them; a
// field the device does not place is not checked there.
TEST(BitTables, CounterRanges) {
    struct Row {
        const char* device;
        FieldId id;
        int index; // -1: not placed
        int high;
        int low;
    };
    const Row rows[] = {
        {"ZQF7310", F::int_val, 0, 22, 14},
        {"ZQF7310", F::frac, 0, 13, 2},
        {"ZQF7320", F::mod, 1, 13, 2},
        {"ZQF7320", F::r_counter, 1, 17, 14},
        {"ZQF7310", F::phase, -1, 0, 0},
        {"ZQF7340", F::int_val, 0, 26, 15},
        {"ZQF7340", F::frac, 0, 14, 3},
        {"ZQF7340", F::phase, 1, 14, 3},
        {"ZQF7340", F::r_counter, 2, 19, 15},
        {"ZQF7340", F::mod, 2, 14, 3},
        {"ZQF7340", F::clk_div_value, 4, 18, 7},
        {"ZQF7340", F::frac_msb, -1, 0, 0},
        {"ZQF7350", F::int_val, 0, 26, 15},
        {"ZQF7350", F::frac_msb, 0, 14, 3},
        {"ZQF7350", F::frac_lsb, 1, 27, 15},
        {"ZQF7350", F::r_counter, 2, 19, 15},
        {"ZQF7350", F::mod, -1, 0, 0},
        {"ZQF7350", F::frac, -1, 0, 0},
        {"ZQF7350", F::phase, -1, 0, 0},
        {"ZQF7350", F::clk_div_value, -1, 0, 0},
        {"ZQF7620", F::int_val, 0, 23, 15},
        {"ZQF7620", F::frac, 0, 14, 3},
        {"ZQF7620", F::r_counter, 1, 18, 15},
        {"ZQF7620", F::mod, 1, 14, 3},
        {"ZQF7620", F::if_b, 4, 20, 9},
        {"ZQF7620", F::if_a, 4, 8, 3},
        {"ZQF7620", F::if_r_counter, 5, 17, 3},
        {"ZQF7360", F::int_val, -1, 0, 0},
        {"", F::mod, -1, 0, 0},
    };
    for (const Row& row : rows) {
        const std::string label =
            std::string(row.device) + " " + std::string(field_info(row.id).key);
        const std::optional<FieldPlace> place = find_field(device_profile(row.device), row.id);
        if (row.index < 0) {
            EXPECT_FALSE(place.has_value()) << label;
            continue;
        }
        ASSERT_TRUE(place.has_value()) << label;
        EXPECT_EQ(place->index, row.index) << label;
        EXPECT_EQ(place->term->bits.high(), row.high) << label;
        EXPECT_EQ(place->term->bits.low, row.low) << label;
    }
}

uint32_t reassembled(const std::vector<WordField>& fields) {
    uint64_t word = 0;
    for (const WordField& field : fields) {
        word += uint64_t{field.code} << field.bits.low;
    }
    return static_cast<uint32_t>(word);
}

// The words the bench scripts send split into named pieces that cover every
// bit of the word, from the top down, and add up to the word again.
TEST(SplitWord, WordsTheBenchScriptsSendReassemble) {
    struct Row {
        const char* device;
        int index;
        uint32_t word;
    };
    const Row rows[] = {
        {"ZQF7310", 0, 0x2BC010},  {"ZQF7310", 0, 0x15C034}, {"ZQF7310", 1, 0x44191},
        {"ZQF7310", 1, 0x804191},  {"ZQF7310", 2, 0xBC2},    {"ZQF7310", 3, 0x3C7},
        {"ZQF7320", 2, 0x442},     {"ZQF7320", 1, 0x40C9},   {"ZQF7340", 1, 0x269},
        {"ZQF7340", 3, 0xFB},      {"ZQF7340", 4, 0x17FF84}, {"ZQF7350", 0, 0xAF0518},
        {"ZQF7350", 1, 0xEB88009}, {"ZQF7350", 2, 0xE08002}, {"ZQF7620", 1, 0x108191},
        {"ZQF7620", 2, 0x682},     {"ZQF7620", 3, 0x683},    {"ZQF7620", 4, 0x2A22C},
        {"ZQF7620", 5, 0x195},     {"ZQF7620", 6, 0x786},    {"ZQF7620", 7, 0x7},
    };
    for (const Row& row : rows) {
        const DeviceProfile& device = device_profile(row.device);
        const std::vector<WordField> fields = split_word(device, row.index, row.word);
        const std::string label = where(device, row.index);
        ASSERT_FALSE(fields.empty()) << label;
        int next_high = device.transfer_bits - 1;
        for (const WordField& field : fields) {
            EXPECT_EQ(field.bits.high(), next_high) << label;
            next_high = field.bits.low - 1;
        }
        EXPECT_EQ(next_high, -1) << label;
        EXPECT_EQ(reassembled(fields), row.word) << label;
        EXPECT_EQ(fields.back().id, F::address) << label;
        EXPECT_EQ(fields.back().code, static_cast<uint32_t>(row.index)) << label;
    }
    EXPECT_TRUE(split_word(device_profile("ZQF7310"), 4, 0).empty());
    EXPECT_TRUE(split_word(device_profile("ZQF9999"), 0, 0).empty());
}

uint32_t code_of(const std::vector<WordField>& fields, FieldId id) {
    for (const WordField& field : fields) {
        if (field.id == id) {
            return field.code;
        }
    }
    ADD_FAILURE() << "no " << field_info(id).key;
    return 0;
}

const WordField& piece_at(const std::vector<WordField>& fields, int bit) {
    for (const WordField& field : fields) {
        if (field.bits.contains(bit)) {
            return field;
        }
    }
    return fields.front();
}

TEST(SplitWord, NamesFieldsOverlaysAndReadings) {
    const auto r1 = split_word(device_profile("ZQF7310"), 1, 0x44191);
    EXPECT_EQ(code_of(r1, F::prescaler), 1U);
    EXPECT_EQ(code_of(r1, F::r_counter), 1U);
    EXPECT_EQ(code_of(r1, F::mod), 100U);
    const auto r4 = split_word(device_profile("ZQF7340"), 4, 0x17FF84);
    EXPECT_EQ(code_of(r4, F::clk_div_mode), 2U);
    EXPECT_EQ(code_of(r4, F::clk_div_value), 4095U);
    // The ZQF7350's fixed bits; "Low Noise and Spur Mode" sets the dual R2's
    // bit 6, which no field owns; the test-mode window's value on a ZQF7310.
    EXPECT_EQ(code_of(split_word(device_profile("ZQF7350"), 1, 9), F::fixed_bit), 1U);
    const auto dual_r2 = split_word(device_profile("ZQF7620"), 2, 0x42);
    EXPECT_EQ(piece_at(dual_r2, 6).id, F::noise_spur);
    EXPECT_EQ(piece_at(dual_r2, 6).code, 1U);
    EXPECT_EQ(
        code_of(split_word(device_profile("ZQF7310"), 3, (17U << 13) + 3), F::test_mode_window),
        17U);
}

} // namespace
} // namespace zqf
