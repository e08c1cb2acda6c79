#include "core/registers/assembly.h"
#include "core/registers/field_access.h"
#include "core/registers/register_maps.h"
#include "core/registers/word_apply.h"
#include "core/state/device_profile.h"

#include <gtest/gtest.h>

#include <random>

namespace zqf {
namespace {

SharedState device(std::string_view name) {
    SharedState s;
    s.device_name = std::string(name);
    return s;
}

std::vector<SharedState> readings(const SharedState& now, int index, uint32_t word) {
    auto read = word_readings(now, index, word);
    if (const auto* refusal = std::get_if<std::string>(&read)) {
        ADD_FAILURE() << std::hex << word << ": " << *refusal;
        return {};
    }
    return std::get<std::vector<SharedState>>(read);
}

std::string refusal(std::string_view name, int index, uint32_t word) {
    auto read = word_readings(device(name), index, word);
    const auto* reason = std::get_if<std::string>(&read);
    return reason != nullptr ? *reason : "(read)";
}

TEST(WordReadings, HandWorkedWords) {
    // 4-register R0 = INT 175, FRAC 2: 175 x 2^14 + 2 x 4.
    const SharedState r0 = readings(device("ZQF7310"), 0, 0x2BC008).at(0);
    EXPECT_EQ(r0.int_val, 175.0);
    EXPECT_EQ(r0.frac_val, 2.0);

    // 4-register R1 with the 8/9 prescaler: all three members follow.
    const SharedState r1 = readings(device("ZQF7310"), 1, 0x440C9).at(0);
    EXPECT_EQ(r1.prescaler_p, 8);
    EXPECT_EQ(r1.prescaler_field, 1 << 20);
    EXPECT_EQ(r1.r_count, 1);
    EXPECT_EQ(r1.mod_val, 50.0);

    // 4-register R3 with the "Lowest Noise Mode" pattern (964) on top: read
    // first with the noise mode as it is (none), then with each pattern.
    const std::vector<SharedState> r3 = readings(device("ZQF7310"), 3, 964 + 3);
    ASSERT_EQ(r3.size(), 3U);
    EXPECT_EQ(r3[0].ns_bits_4r, 0);
    EXPECT_EQ(r3[0].sd_test_mode, 7);
    EXPECT_EQ(r3[0].test_mode, 17);
    EXPECT_EQ(r3[2].ns_bits_4r, 964);
    EXPECT_EQ(r3[2].test_mode, 0);

    // Bits 17-13 of 4-register R3 are the test-mode window's weighted value.
    EXPECT_EQ(readings(device("ZQF7320"), 3, (5U << 13) | 3U).at(0).test_mode, 5 * 2048);

    // Dual R6 with bits 15, 14 and 11: an IF test mode, or RF phase resync.
    const std::vector<SharedState> r6 = readings(device("ZQF7620"), 6, 51200 + 6);
    ASSERT_EQ(r6.size(), 2U);
    EXPECT_EQ(r6[0].if_test_mode, 51200);
    EXPECT_EQ(r6[1].rf_phase_resync, 51200);
    EXPECT_EQ(r6[1].if_test_mode, 0);

    // ZQF7350 R1: the lower 13 bits of the fraction, and bit 3 always set.
    EXPECT_EQ(readings(device("ZQF7350"), 1, (7537U << 15) | 9U).at(0).frac_lsb, 7537.0);
}

TEST(WordReadings, RefusesWordsNoPanelCanSend) {
    EXPECT_EQ(refusal("ZQF7310", 0, 0x2BC001), "the address bits of hex 2BC001 name R1, not R0.");
    EXPECT_EQ(refusal("ZQF7310", 0, 0x12BC000),
              "R0 of the ZQF7310 takes 24-bit words; hex 12BC000 has more bits.");
    EXPECT_EQ(refusal("ZQF7350", 1, 1), "bit 3 of R1 is always 1 on the ZQF7350.");
    EXPECT_EQ(refusal("ZQF7310", 1, (1U << 19) | 1U),
              "bit 19 of R1 belongs to no field of the ZQF7310.");
    EXPECT_EQ(refusal("ZQF7340", 5, 5), "the ZQF7340 has no R5.");
}

// Any panel whose register fields hold codes their bits carry is read back
// from its word with those very members.
TEST(WordReadings, ReadsBackThePanelThatMadeTheWord) {
    std::mt19937 random(20);
    for (const DeviceProfile& profile : catalogue_profiles()) {
        for (int index = 0; index < profile.register_count; ++index) {
            const RegisterMap* map = register_map(profile.family, index);
            for (int trial = 0; trial < 50; ++trial) {
                SharedState panel = device(profile.stored_name);
                std::vector<const Term*> set;
                for_each_term(*map, [&](const Term& term) {
                    if (term.placement != Placement::field || !term_applies(profile, term) ||
                        std::holds_alternative<std::monostate>(term.member)) {
                        return;
                    }
                    const auto code = std::uniform_int_distribution<uint32_t>(
                        0, (1U << term.bits.width) - 1U)(random);
                    set_field(panel, term.member, code * bit_weight(term.bits.low) / term.factor);
                    set.push_back(&term);
                });
                const std::optional<uint32_t> word = compose_register(panel, index);
                if (!word) {
                    continue; // a member the prescaler list keeps in step, say
                }
                const std::vector<SharedState> found =
                    readings(device(profile.stored_name), index, *word);
                ASSERT_FALSE(found.empty());
                for (const Term* term : set) {
                    EXPECT_EQ(field_value(found.front(), term->member),
                              field_value(panel, term->member))
                        << profile.stored_name << " R" << index << " " << std::hex << *word;
                }
            }
        }
    }
}

} // namespace
} // namespace zqf
