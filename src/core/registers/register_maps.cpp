#include "core/registers/register_maps.h"

#include <array>

namespace zqf {

namespace {

using S = SharedState;
constexpr std::monostate constant{};

constexpr double p2(int n) {
    double v = 1.0;
    for (int i = 0; i < n; ++i) {
        v *= 2.0;
    }
    return v;
}

// ---- 4-register family (ZQF7310, ZQF7320): 24-bit words, 2 control bits ----

constexpr std::array<Term, 3> four_r0{{
    {&S::fastlock_4r, 1.0}, // bit 23 fast lock
    {&S::int_val, p2(14)},  // 22-14 INT
    {&S::frac_val, p2(2)},  // 13-2 FRAC
}};

constexpr std::array<Term, 5> four_r1{{
    {&S::load_control, 1.0},     // bit 23 load control
    {&S::muxout_code, 1.0},      // 22-20 muxout, k x 2^20
    {&S::prescaler_bit, p2(18)}, // bit 18 prescaler
    {&S::r_count, p2(14)},       // 17-14 R counter
    {&S::mod_val, p2(2)},        // 13-2 MOD
}};

constexpr std::array<Term, 9> four_r2{{
    {&S::resync_value, p2(12)},       // 15-12 resync
    {&S::doubler_field, 1.0 / p2(8)}, // bit 11 doubler (held as 2^19)
    {&S::cp_div2, 1.0},               // bit 10 CP /2
    {&S::cp_current_4r, 1.0},         // 9-7 charge-pump current
    {&S::rf_pd_polarity, 0.5},        // bit 6 PD polarity (held as 2^7)
    {&S::ldp_bit, 1.0},               // bit 5 lock-detect precision
    {&S::rf_powerdown, 0.5},          // bit 4 powerdown (held as 2^5)
    {&S::rf_cp_three_state, 0.5},     // bit 3 three-state (held as 2^4)
    {&S::rf_counter_reset, 0.5},      // bit 2 counter reset (held as 2^3)
}};

constexpr std::array<Term, 3> four_r3{{
    {&S::sd_test_mode, p2(7)}, // 10-7 sigma-delta test mode
    {&S::test_mode, p2(2)},    // 6-2 test mode
    {&S::ns_bits_4r, 1.0},     // noise-and-spur bits, added on top
}};

// ---- 5-register family (ZQF7340, ZQF7350): 32-bit words, 3 control bits ----

constexpr std::array<Term, 4> five_r0{{
    {&S::muxout_code, p2(7)},             // 30-27 muxout (held as k x 2^20)
    {&S::int_val, p2(15)},                // 26-15 INT
    {&S::frac_val, p2(3), Only::zqf7340}, // 14-3 FRAC
    {&S::frac_msb, p2(3), Only::zqf7350}, // 14-3 upper 12 bits of the 25-bit fraction
}};

constexpr std::array<Term, 3> five_r1{{
    {&S::frac_lsb, p2(15), Only::zqf7350},   // 27-15 lower 13 bits of the fraction
    {constant, p2(3), Only::zqf7350},        // bit 3 always 1
    {&S::phase_value, p2(3), Only::zqf7340}, // 14-3 phase value
}};

constexpr std::array<Term, 10> five_r2{{
    {&S::ns_bits_5r, 1.0},                // 30-29 noise-and-spur mode
    {&S::fastlock_5r, 1.0},               // bit 28 fast lock
    {&S::cp_current_5r, 1.0},             // 27-24 charge-pump current
    {&S::dec_sel, p2(23), Only::zqf7340}, // bit 23 DEC_SEL
    {constant, p2(23), Only::zqf7350},    // bit 23 always 1
    {&S::prescaler_bit, p2(22)},          // bit 22 prescaler
    {&S::rdiv2_field, 1.0},               // bit 21 reference divide-by-2
    {&S::doubler_field_5, 1.0},           // bit 20 reference doubler
    {&S::r_count, p2(15)},                // 19-15 R counter
    {&S::mod_val, p2(3), Only::zqf7340},  // 14-3 MOD
}};

constexpr std::array<Term, 4> five_r3{{
    {&S::rf_pd_polarity, 0.5},    // bit 6 PD polarity (held as 2^7)
    {&S::rf_powerdown, 1.0},      // bit 5 powerdown
    {&S::rf_cp_three_state, 1.0}, // bit 4 three-state
    {&S::rf_counter_reset, 1.0},  // bit 3 counter reset
}};
constexpr std::array<Term, 1> five_r3_ldp{{
    {&S::ldp_bit, 4.0}, // bit 7 lock-detect precision (held as 2^5)
}};
constexpr std::array<IntegerSum, 1> five_r3_sums{{{16, five_r3_ldp}}};

constexpr std::array<Term, 4> five_r4{{
    {&S::sd_test_mode, p2(26)},                // 30-26 sigma-delta test mode
    {&S::test_mode, p2(21)},                   // 25-21 test mode
    {&S::clk_div_mode, 1.0, Only::zqf7340},    // 20-19 clock divider mode
    {&S::clk_div_value, p2(7), Only::zqf7340}, // 18-7 clock divider value
}};

// ---- dual family (ZQF7610, ZQF7620): 24-bit words, 3 control bits ----------

constexpr std::array<Term, 2> dual_r0{{
    {&S::int_val, p2(15)}, // 23-15 RF INT
    {&S::frac_val, p2(3)}, // 14-3 RF FRAC
}};

constexpr std::array<Term, 2> dual_r1{{
    {&S::r_count, p2(15)}, // 18-15 RF R counter
    {&S::mod_val, p2(3)},  // 14-3 RF MOD
}};
constexpr std::array<Term, 2> dual_r1_pair{{
    {&S::prescaler_field, 1.0}, // bit 20 RF prescaler
    {&S::doubler_field, 1.0},   // bit 19 RF reference doubler
}};
constexpr std::array<IntegerSum, 1> dual_r1_sums{{{32, dual_r1_pair}}};

constexpr std::array<Term, 3> dual_r2{{
    {&S::rf_powerdown, 1.0},      // bit 5 RF powerdown
    {&S::rf_cp_three_state, 1.0}, // bit 4 RF three-state
    {&S::rf_counter_reset, 1.0},  // bit 3 RF counter reset
}};
constexpr std::array<Term, 5> dual_r2_sum{{
    {&S::ns_bits_dual, 1.0},       // noise-and-spur bits, added on top
    {&S::test_mode, 1.0},          // 15-11 RF test mode (pre-weighted)
    {&S::rf_cp_current_dual, 1.0}, // 10-9 RF charge-pump current
    {&S::dual_r2_spare, 1.0},      // nothing sets it
    {&S::rf_pd_polarity, 1.0},     // bit 7 RF PD polarity
}};
constexpr std::array<IntegerSum, 1> dual_r2_sums{{{32, dual_r2_sum}}};

constexpr std::array<Term, 5> dual_r3{{
    {&S::muxout_code, 1.0},     // 10-7 muxout (k x 2^7)
    {&S::xo_disable, 1.0},      // bit 6 crystal oscillator disabled
    {&S::rf_if_powerdown, 1.0}, // bit 5 RF and IF powerdown
    {&S::cp_three_state, 1.0},  // bit 4 three-state
    {&S::counter_reset, 1.0},   // bit 3 counter reset
}};

constexpr std::array<Term, 2> dual_r4{{
    {&S::if_b, p2(9)}, // 20-9 IF B counter
    {&S::if_a, p2(3)}, // 8-3 IF A counter
}};
constexpr std::array<Term, 2> dual_r4_pair{{
    {&S::cp_gain, 1.0},            // bit 23 charge-pump gain
    {&S::if_prescaler_field, 1.0}, // 22-21 IF prescaler
}};
constexpr std::array<IntegerSum, 1> dual_r4_sums{{{32, dual_r4_pair}}};

constexpr std::array<Term, 2> dual_r5{{
    {&S::if_ref_doubler, 1.0}, // bit 18 IF reference doubler
    {&S::if_r, p2(3)},         // 17-3 IF R counter
}};

constexpr std::array<Term, 8> dual_r6{{
    {&S::if_test_mode, 1.0},      // 15-11 IF test mode (pre-weighted)
    {&S::rf_phase_resync, 1.0},   // 15-11 RF phase resync, added on top
    {&S::if_cp_current, 1.0},     // 10-8 IF charge-pump current
    {&S::if_pd_polarity, 1.0},    // bit 7 IF PD polarity
    {&S::if_ldp, 1.0},            // bit 6 IF lock-detect precision
    {&S::if_powerdown, 1.0},      // bit 5 IF powerdown
    {&S::if_cp_three_state, 1.0}, // bit 4 IF three-state
    {&S::if_counter_reset, 1.0},  // bit 3 IF counter reset
}};

// R7 carries its register number only.
constexpr std::array<Term, 0> no_terms{};

const std::array<RegisterMap, 4> four_maps{{
    {four_r0, {}},
    {four_r1, {}},
    {four_r2, {}},
    {four_r3, {}},
}};

const std::array<RegisterMap, 5> five_maps{{
    {five_r0, {}},
    {five_r1, {}},
    {five_r2, {}},
    {five_r3, five_r3_sums},
    {five_r4, {}},
}};

const std::array<RegisterMap, 8> dual_maps{{
    {dual_r0, {}},
    {dual_r1, dual_r1_sums},
    {dual_r2, dual_r2_sums},
    {dual_r3, {}},
    {dual_r4, dual_r4_sums},
    {dual_r5, {}},
    {dual_r6, {}},
    {no_terms, {}},
}};

template <std::size_t N>
const RegisterMap* pick(const std::array<RegisterMap, N>& maps, int index) {
    return index >= 0 && index < static_cast<int>(N) ? &maps[static_cast<std::size_t>(index)]
                                                     : nullptr;
}

} // namespace

const RegisterMap* register_map(Family family, int index) {
    switch (family) {
    case Family::four_register:
        return pick(four_maps, index);
    case Family::five_register:
        return pick(five_maps, index);
    case Family::dual:
        return pick(dual_maps, index);
    case Family::none:
        break;
    }
    return nullptr;
}

double term_value(const SharedState& state, const Term& term) {
    if (term.only == Only::zqf7340 && state.device_name != zqf7340) {
        return 0.0;
    }
    if (term.only == Only::zqf7350 && state.device_name != zqf7350) {
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
        term.field);
    return value * term.factor;
}

} // namespace zqf
