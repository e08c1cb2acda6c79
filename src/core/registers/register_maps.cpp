#include "core/registers/register_maps.h"

#include "core/state/bit_weight.h"

#include <array>
#include <type_traits>

namespace zqf {

namespace {

using S = SharedState;
using F = FieldId;
constexpr std::monostate constant{};
constexpr auto overlay = Placement::overlay;
constexpr auto reading = Placement::reading;
constexpr auto modulus = Variant::modulus_fraction;
constexpr auto fixed = Variant::fixed_fraction;

constexpr double p2(int n) {
    return bit_weight(n);
}

// Each table reads as the datasheet's: bits, field, member and the factor that
// moves the member's value to those bits. Pre-weighted members already hold
// their weight, so their factor only moves a shared weight to this family's bit.

// ---- 4-register family (ZQF7310, ZQF7320): 24-bit words, control bits 1-0 --

constexpr std::array<Term, 3> four_r0{{
    {bit(23), F::fast_lock, &S::fastlock_4r, 1.0},
    {bits(22, 14), F::int_val, &S::int_val, p2(14)},
    {bits(13, 2), F::frac, &S::frac_val, p2(2)},
}};

constexpr std::array<Term, 5> four_r1{{
    {bit(23), F::load_control, &S::load_control, 1.0},
    {bits(22, 20), F::muxout, &S::muxout_code, 1.0},
    {bit(18), F::prescaler, &S::prescaler_bit, p2(18)},
    {bits(17, 14), F::r_counter, &S::r_count, p2(14)},
    {bits(13, 2), F::mod, &S::mod_val, p2(2)},
}};

constexpr std::array<Term, 9> four_r2{{
    {bits(15, 12), F::resync, &S::resync_value, p2(12)},
    {bit(11), F::ref_doubler, &S::doubler_field, 1.0 / p2(8)}, // held as 2^19
    {bit(10), F::cp_half, &S::cp_div2, 1.0},
    {bits(9, 7), F::cp_current, &S::cp_current_4r, 1.0},
    {bit(6), F::pd_polarity, &S::rf_pd_polarity, 0.5}, // held as 2^7
    {bit(5), F::ldp, &S::ldp_bit, 1.0},
    {bit(4), F::powerdown, &S::rf_powerdown, 0.5},           // held as 2^5
    {bit(3), F::cp_three_state, &S::rf_cp_three_state, 0.5}, // held as 2^4
    {bit(2), F::counter_reset, &S::rf_counter_reset, 0.5},   // held as 2^3
}};

// The test-mode window stores its weighted value (mode x 2048) on every
// family; this family's test-mode term moves it to bits 17-13.
constexpr std::array<Term, 4> four_r3{{
    {bits(10, 7), F::sd_test_mode, &S::sd_test_mode, p2(7)},
    {bits(6, 2), F::test_mode, &S::test_mode, p2(2)},
    {bits(9, 2), F::noise_spur, &S::ns_bits_4r, 1.0, overlay},
    {bits(17, 13), F::test_mode_window, &S::test_mode, p2(2), reading},
}};

// ---- 5-register family (ZQF7340, ZQF7350): 32-bit words, control bits 2-0 --
// The ZQF7350 programs a 25-bit fraction over a fixed modulus; its variant
// of R0, R1, R2 and R4 differs from the ZQF7340's.

constexpr std::array<Term, 4> five_r0{{
    {bits(30, 27), F::muxout, &S::muxout_code, p2(7)}, // held as k x 2^20
    {bits(26, 15), F::int_val, &S::int_val, p2(15)},
    {bits(14, 3), F::frac, &S::frac_val, p2(3), Placement::field, modulus},
    {bits(14, 3), F::frac_msb, &S::frac_msb, p2(3), Placement::field, fixed},
}};

constexpr std::array<Term, 3> five_r1{{
    {bits(27, 15), F::frac_lsb, &S::frac_lsb, p2(15), Placement::field, fixed},
    {bit(3), F::fixed_bit, constant, p2(3), Placement::field, fixed},
    {bits(14, 3), F::phase, &S::phase_value, p2(3), Placement::field, modulus},
}};

constexpr std::array<Term, 10> five_r2{{
    {bits(30, 29), F::noise_spur, &S::ns_bits_5r, 1.0},
    {bit(28), F::fast_lock, &S::fastlock_5r, 1.0},
    {bits(27, 24), F::cp_current, &S::cp_current_5r, 1.0},
    {bit(23), F::dec_sel, &S::dec_sel, p2(23), Placement::field, modulus},
    {bit(23), F::fixed_bit, constant, p2(23), Placement::field, fixed},
    {bit(22), F::prescaler, &S::prescaler_bit, p2(22)},
    {bit(21), F::ref_divide_by_2, &S::rdiv2_field, 1.0},
    {bit(20), F::ref_doubler, &S::doubler_field_5, 1.0},
    {bits(19, 15), F::r_counter, &S::r_count, p2(15)},
    {bits(14, 3), F::mod, &S::mod_val, p2(3), Placement::field, modulus},
}};

constexpr std::array<Term, 4> five_r3{{
    {bit(6), F::pd_polarity, &S::rf_pd_polarity, 0.5}, // held as 2^7
    {bit(5), F::powerdown, &S::rf_powerdown, 1.0},
    {bit(4), F::cp_three_state, &S::rf_cp_three_state, 1.0},
    {bit(3), F::counter_reset, &S::rf_counter_reset, 1.0},
}};
constexpr std::array<Term, 1> five_r3_ldp{{
    {bit(7), F::ldp, &S::ldp_bit, 4.0}, // held as 2^5
}};
constexpr std::array<IntegerSum, 1> five_r3_sums{{{16, five_r3_ldp}}};

constexpr std::array<Term, 4> five_r4{{
    {bits(30, 26), F::sd_test_mode, &S::sd_test_mode, p2(26)},
    {bits(25, 21), F::test_mode, &S::test_mode, p2(21)},
    {bits(20, 19), F::clk_div_mode, &S::clk_div_mode, 1.0, Placement::field, modulus},
    {bits(18, 7), F::clk_div_value, &S::clk_div_value, p2(7), Placement::field, modulus},
}};

// ---- dual family (ZQF7610, ZQF7620): 24-bit words, control bits 2-0 -------

constexpr std::array<Term, 2> dual_r0{{
    {bits(23, 15), F::int_val, &S::int_val, p2(15)},
    {bits(14, 3), F::frac, &S::frac_val, p2(3)},
}};

constexpr std::array<Term, 2> dual_r1{{
    {bits(18, 15), F::r_counter, &S::r_count, p2(15)},
    {bits(14, 3), F::mod, &S::mod_val, p2(3)},
}};
constexpr std::array<Term, 2> dual_r1_pair{{
    {bit(20), F::prescaler, &S::prescaler_field, 1.0},
    {bit(19), F::ref_doubler, &S::doubler_field, 1.0},
}};
constexpr std::array<IntegerSum, 1> dual_r1_sums{{{32, dual_r1_pair}}};

constexpr std::array<Term, 3> dual_r2{{
    {bit(5), F::powerdown, &S::rf_powerdown, 1.0},
    {bit(4), F::cp_three_state, &S::rf_cp_three_state, 1.0},
    {bit(3), F::counter_reset, &S::rf_counter_reset, 1.0},
}};
// The noise-and-spur patterns set bits 15, 11 and 6; nothing sets the spare.
constexpr std::array<Term, 5> dual_r2_sum{{
    {bits(15, 6), F::noise_spur, &S::ns_bits_dual, 1.0, overlay},
    {bits(15, 11), F::test_mode, &S::test_mode, 1.0}, // held as code x 2^11
    {bits(10, 9), F::cp_current, &S::rf_cp_current_dual, 1.0},
    {bits(23, 3), F::spare, &S::dual_r2_spare, 1.0, overlay},
    {bit(7), F::pd_polarity, &S::rf_pd_polarity, 1.0},
}};
constexpr std::array<IntegerSum, 1> dual_r2_sums{{{32, dual_r2_sum}}};

constexpr std::array<Term, 5> dual_r3{{
    {bits(10, 7), F::muxout, &S::muxout_code, 1.0}, // held as k x 2^7
    {bit(6), F::xo_disable, &S::xo_disable, 1.0},
    {bit(5), F::rf_if_powerdown, &S::rf_if_powerdown, 1.0},
    {bit(4), F::shared_cp_three_state, &S::cp_three_state, 1.0},
    {bit(3), F::shared_counter_reset, &S::counter_reset, 1.0},
}};

constexpr std::array<Term, 2> dual_r4{{
    {bits(20, 9), F::if_b, &S::if_b, p2(9)},
    {bits(8, 3), F::if_a, &S::if_a, p2(3)},
}};
constexpr std::array<Term, 2> dual_r4_pair{{
    {bit(23), F::cp_gain, &S::cp_gain, 1.0},
    {bits(22, 21), F::if_prescaler, &S::if_prescaler_field, 1.0},
}};
constexpr std::array<IntegerSum, 1> dual_r4_sums{{{32, dual_r4_pair}}};

constexpr std::array<Term, 2> dual_r5{{
    {bit(18), F::if_ref_doubler, &S::if_ref_doubler, 1.0},
    {bits(17, 3), F::if_r_counter, &S::if_r, p2(3)},
}};

constexpr std::array<Term, 8> dual_r6{{
    {bits(15, 11), F::if_test_mode, &S::if_test_mode, 1.0}, // held as code x 2^11
    {bits(15, 11), F::rf_phase_resync, &S::rf_phase_resync, 1.0, overlay},
    {bits(10, 8), F::if_cp_current, &S::if_cp_current, 1.0},
    {bit(7), F::if_pd_polarity, &S::if_pd_polarity, 1.0},
    {bit(6), F::if_ldp, &S::if_ldp, 1.0},
    {bit(5), F::if_powerdown, &S::if_powerdown, 1.0},
    {bit(4), F::if_cp_three_state, &S::if_cp_three_state, 1.0},
    {bit(3), F::if_counter_reset, &S::if_counter_reset, 1.0},
}};

// R7 carries its register number only.
constexpr std::array<Term, 0> no_terms{};

constexpr std::array<RegisterMap, 4> four_maps{{
    {four_r0, {}},
    {four_r1, {}},
    {four_r2, {}},
    {four_r3, {}},
}};

constexpr std::array<RegisterMap, 5> five_maps{{
    {five_r0, {}},
    {five_r1, {}},
    {five_r2, {}},
    {five_r3, five_r3_sums},
    {five_r4, {}},
}};

constexpr std::array<RegisterMap, 8> dual_maps{{
    {dual_r0, {}},
    {dual_r1, dual_r1_sums},
    {dual_r2, dual_r2_sums},
    {dual_r3, {}},
    {dual_r4, dual_r4_sums},
    {dual_r5, {}},
    {dual_r6, {}},
    {no_terms, {}},
}};

constexpr FamilyTable<FamilyMaps> every_family_maps{{
    {.family = Family::four_register,
     .maps = four_maps,
     .display_lengths = {24, 24, 24, 24, 24, 0, 0, 0}},
    {.family = Family::five_register,
     .maps = five_maps,
     .display_lengths = {32, 32, 32, 8, 32, 0, 0, 0}},
    {.family = Family::dual, .maps = dual_maps, .display_lengths = {24, 21, 24, 24, 24, 19, 16, 0}},
}};
static_assert(has_every_family(every_family_maps));

} // namespace

const FamilyMaps* family_maps(Family family) {
    return family_row(every_family_maps, family);
}

const RegisterMap* register_map(Family family, int index) {
    const FamilyMaps* row = family_maps(family);
    if (row == nullptr || index < 0 || index >= static_cast<int>(row->maps.size())) {
        return nullptr;
    }
    return &row->maps[static_cast<std::size_t>(index)];
}

bool term_applies(const DeviceProfile& device, const Term& term) {
    switch (term.variant) {
    case Variant::all:
        return true;
    case Variant::modulus_fraction:
        return device.fraction == FractionKind::modulus;
    case Variant::fixed_fraction:
        return device.fraction == FractionKind::fixed_25_bit;
    }
    return false;
}

double term_value(const SharedState& state, const DeviceProfile& device, const Term& term) {
    if (term.placement == Placement::reading || !term_applies(device, term)) {
        return 0.0;
    }
    const double value = std::visit(
        [&state](auto member) -> double {
            if constexpr (std::is_same_v<decltype(member), std::monostate>) {
                return 1.0;
            } else {
                return static_cast<double>(state.*member);
            }
        },
        term.member);
    return value * term.factor;
}

} // namespace zqf
