#include "core/settings/loaded_state.h"

#include "core/planning/dividers.h"
#include "core/settings/settings_check.h"
#include "core/settings/settings_layout.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/state/list_choices.h"
#include "core/state/noise_patterns.h"
#include "core/state/start_values.h"
#include "core/text/convert.h"

#include <cmath>

namespace zqf {

namespace {

// The panel's members that no settings file holds; a change of family starts
// them afresh, as a new run would.
void start_unsaved_members(SharedState& s) {
    SharedState fresh;
    apply_first_start_values(fresh);
    apply_panel_load_values(fresh);
    s.rf_freq = fresh.rf_freq;
    s.frac_msb = fresh.frac_msb;
    s.frac_lsb = fresh.frac_lsb;
    s.prescaler_bit = fresh.prescaler_bit;
    s.doubler_field_5 = fresh.doubler_field_5;
    s.rdiv2_field = fresh.rdiv2_field;
    s.fastlock_5r = fresh.fastlock_5r;
    s.cp_div2 = fresh.cp_div2;
    s.cp_current_5r = fresh.cp_current_5r;
    s.sd_test_mode = fresh.sd_test_mode;
    s.ns_bits_5r = fresh.ns_bits_5r;
    s.dual_r2_spare = fresh.dual_r2_spare;
    s.phase_value = fresh.phase_value;
    s.dec_sel = fresh.dec_sel;
    s.clk_div_mode = fresh.clk_div_mode;
    s.clk_div_value = fresh.clk_div_value;
    s.bleed_up = fresh.bleed_up;
    s.test_mode_index = fresh.test_mode_index;
    s.if_test_mode_index = fresh.if_test_mode_index;
    s.rset_ohms_int = fresh.rset_ohms_int;
}

// The ZQF7350 keeps its 25-bit fraction as FRAC over MOD 2^25, which the file
// holds; halves are split from it as the planner splits them. A file whose
// MOD is another number is planned afresh from the frequency it gives.
void derive_fraction_halves(SharedState& s) {
    if (s.mod_val == fixed_modulus && s.frac_val >= 0.0 && s.frac_val < fixed_modulus) {
        s.frac_msb = std::floor(s.frac_val / fraction_lsb_units);
        s.frac_lsb = s.frac_val - fraction_lsb_units * s.frac_msb;
    } else if (const std::optional<double> plan =
                   s.mod_val != 0.0 ? std::optional<double>(s.frac_val / s.mod_val)
                                    : std::nullopt) {
        const std::optional<FixedModulusPlan> halves = plan_fixed_modulus(*plan, 1.0);
        if (halves && halves->int_val == 0.0) {
            s.frac_msb = halves->frac_msb;
            s.frac_lsb = halves->frac_lsb;
        }
    }
    s.rf_freq = synthesised_fixed_modulus_rf(s);
}

// The reference doubler and halver of the five-register devices, as the planner
// set them together with the fields the file holds: the doubler with its
// other-family twin, the halver from the PFD the reference path gives.
void derive_reference_bits(SharedState& s) {
    const bool doubled = s.doubler_field == bit_weight<int32_t>(19);
    s.doubler_field_5 = doubled ? bit_weight<int32_t>(20) : 0;
    if (s.r_count == 0) {
        return;
    }
    const double path = (doubled ? s.refin_freq + s.refin_freq : s.refin_freq) / s.r_count;
    if (s.pfd_freq == path / 2.0) {
        s.rdiv2_field = bit_weight<int32_t>(21);
    } else if (s.pfd_freq == path) {
        s.rdiv2_field = 0;
    }
}

// The prescaler bit follows the prescaler the file holds, as its list stores them together.
void derive_prescaler_bit(SharedState& s) {
    for (int position = 0; position < 2; ++position) {
        SharedState choice;
        choose_rf_prescaler(choice, position);
        if (choice.prescaler_p == s.prescaler_p) {
            s.prescaler_bit = choice.prescaler_bit;
        }
    }
}

// The noise and spur mode the load ends in (the button of line 62) stores the
// five-register pattern, unless that mode leaves it alone.
void derive_noise_pattern(SharedState& s) {
    for (const NoisePattern& pattern : noise_patterns) {
        if (pattern.ns_bits_4r == s.ns_bits_4r && pattern.ns_bits_5r) {
            s.ns_bits_5r = *pattern.ns_bits_5r;
        }
    }
}

// The IF VCO frequency the counters give; the file's own where it says the same.
void derive_if_vco(SharedState& s) {
    const std::optional<double> mhz = settled_if_vco_freq(s);
    if (mhz && round15(*mhz) != round15(s.if_vco_freq)) {
        s.if_vco_freq = *mhz;
    }
}

} // namespace

bool changes_family(const SettingsFile& file, const SharedState& now) {
    return family_of(file.values.device_name) != family_of(now.device_name);
}

SharedState loaded_state(const SettingsFile& file, const SharedState& now) {
    SharedState s = now;
    if (changes_family(file, now)) {
        start_unsaved_members(s);
        s.device_name = file.values.device_name;
        apply_device_defaults(s);
        apply_confirmation_field_values(s);
    }
    store_settings_items(file.values, s);
    derive_prescaler_bit(s);
    derive_reference_bits(s);
    derive_noise_pattern(s);
    derive_if_vco(s);
    if (device_profile(s.device_name).fraction == FractionKind::fixed_25_bit) {
        derive_fraction_halves(s);
    } else {
        s.rf_freq = settled_rf_freq(s);
    }
    return s;
}

void keep_loaded_members(const SharedState& loaded, SharedState& s) {
    store_settings_items(loaded, s);
    s.rf_freq = loaded.rf_freq;
    s.frac_msb = loaded.frac_msb;
    s.frac_lsb = loaded.frac_lsb;
    s.prescaler_bit = loaded.prescaler_bit;
    s.doubler_field_5 = loaded.doubler_field_5;
    s.rdiv2_field = loaded.rdiv2_field;
    s.ns_bits_5r = loaded.ns_bits_5r;
}

} // namespace zqf
