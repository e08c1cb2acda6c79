#include "core/registers/field_ids.h"

#include <array>

namespace zqf {

namespace {

using F = FieldId;

// In the order of FieldId; a test holds the two together.
constexpr std::array<FieldInfo, 50> infos{{
    {F::address, "address", "Control bits", "register number the chip latches the word into"},
    {F::reserved, "reserved", "Reserved", "not used; always 0"},
    {F::fixed_bit, "fixed_bit", "Fixed bit", "always 1 on this device"},

    {F::int_val, "int_val", "INT", "integer part of the RF divider, N = INT + FRAC/MOD", true},
    {F::frac, "frac", "FRAC", "fraction numerator of the RF divider", true},
    {F::mod, "mod", "MOD", "fraction modulus (denominator) of the RF divider", true},
    {F::r_counter, "r_counter", "R counter", "RF reference divider, PFD = REF IN / R", true},
    {F::frac_msb, "frac_msb", "FRAC MSB", "upper 12 bits of the 25-bit fraction", true},
    {F::frac_lsb, "frac_lsb", "FRAC LSB", "lower 13 bits of the 25-bit fraction", true},
    {F::phase, "phase", "Phase", "phase value of the fractional divider", true},
    {F::prescaler, "prescaler", "Prescaler", "RF prescaler: 0 = 4/5, 1 = 8/9"},
    {F::ref_doubler, "ref_doubler", "Reference doubler", "RF reference frequency doubled"},
    {F::ref_divide_by_2, "ref_divide_by_2", "Reference /2", "RF reference frequency halved"},

    {F::muxout, "muxout", "Muxout", "signal routed to the MUXOUT pin"},
    {F::load_control, "load_control", "Load control",
     "loads the fast-lock timer or resync value with this word"},
    {F::fast_lock, "fast_lock", "Fast lock", "fast-lock mode enabled"},
    {F::resync, "resync", "Resync", "phase resync value"},
    {F::cp_half, "cp_half", "CP /2", "charge-pump current halved"},
    {F::cp_current, "cp_current", "CP current", "RF charge-pump current setting"},
    {F::pd_polarity, "pd_polarity", "PD polarity", "RF phase-detector polarity: 1 = positive"},
    {F::ldp, "ldp", "LDP", "lock-detect precision: 1 = LDP 5"},
    {F::powerdown, "powerdown", "Powerdown", "RF section powered down"},
    {F::cp_three_state, "cp_three_state", "CP three-state", "RF charge-pump output three-stated"},
    {F::counter_reset, "counter_reset", "Counter reset", "RF counters held in reset"},
    {F::sd_test_mode, "sd_test_mode", "Sigma-delta test mode", "sigma-delta modulator test mode"},
    {F::test_mode, "test_mode", "Test mode", "RF test mode"},
    {F::test_mode_window, "test_mode_window", "Test mode (window)",
     "RF test-mode window's weighted value (mode x 2048) where this family's term places it"},
    {F::noise_spur, "noise_spur", "Noise and spur mode",
     "sigma-delta pattern of the noise and spur mode, added on top"},
    {F::dec_sel, "dec_sel", "DEC_SEL", "DEC_SEL bit"},
    {F::clk_div_mode, "clk_div_mode", "Clock divider mode",
     "0 = disabled, 1 = reserved, 2 = phase resync enabled"},
    {F::clk_div_value, "clk_div_value", "Clock divider", "clock divider value", true},
    {F::spare, "spare", "Spare", "spare value added to the word; nothing sets it"},

    {F::xo_disable, "xo_disable", "XO disable", "crystal oscillator disabled"},
    {F::rf_if_powerdown, "rf_if_powerdown", "RF and IF powerdown", "both sections powered down"},
    {F::shared_cp_three_state, "shared_cp_three_state", "CP three-state (RF and IF)",
     "charge-pump outputs three-stated"},
    {F::shared_counter_reset, "shared_counter_reset", "Counter reset (RF and IF)",
     "counters held in reset"},

    {F::cp_gain, "cp_gain", "CP gain", "charge-pump gain"},
    {F::if_prescaler, "if_prescaler", "IF prescaler",
     "IF prescaler: 0 = 8/9, 1 = 16/17, 2 = 32/33, 3 = 64/65"},
    {F::if_b, "if_b", "IF B counter", "B counter of the IF divider, N = B x P + A", true},
    {F::if_a, "if_a", "IF A counter", "A counter of the IF divider, N = B x P + A", true},
    {F::if_ref_doubler, "if_ref_doubler", "IF reference doubler", "IF reference frequency doubled"},
    {F::if_r_counter, "if_r_counter", "IF R counter", "IF reference divider R", true},
    {F::if_test_mode, "if_test_mode", "IF test mode", "IF test mode"},
    {F::rf_phase_resync, "rf_phase_resync", "RF phase resync",
     "RF phase resync (test code 25), added to the IF test mode"},
    {F::if_cp_current, "if_cp_current", "IF CP current", "IF charge-pump current setting"},
    {F::if_pd_polarity, "if_pd_polarity", "IF PD polarity",
     "IF phase-detector polarity: 1 = positive"},
    {F::if_ldp, "if_ldp", "IF LDP", "IF lock-detect precision: 1 = LDP 5"},
    {F::if_powerdown, "if_powerdown", "IF powerdown", "IF section powered down"},
    {F::if_cp_three_state, "if_cp_three_state", "IF CP three-state",
     "IF charge-pump output three-stated"},
    {F::if_counter_reset, "if_counter_reset", "IF counter reset", "IF counters held in reset"},
}};

constexpr bool in_id_order() {
    for (std::size_t i = 0; i < infos.size(); ++i) {
        if (static_cast<std::size_t>(infos[i].id) != i) {
            return false;
        }
    }
    return infos.size() == static_cast<std::size_t>(F::if_counter_reset) + 1;
}
static_assert(in_id_order(), "one row per FieldId, in the order of the enumeration");

} // namespace

const FieldInfo& field_info(FieldId id) {
    return infos[static_cast<std::size_t>(id)];
}

std::span<const FieldInfo> field_infos() {
    return infos;
}

std::optional<FieldId> field_by_key(std::string_view key) {
    for (const FieldInfo& info : infos) {
        if (info.key == key) {
            return info.id;
        }
    }
    return std::nullopt;
}

} // namespace zqf
