#include "core/state/start_values.h"

#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"

namespace zqf {

void apply_first_start_values(SharedState& state) {
    state.port_address = 888; // 0x378, the usual first parallel port
    state.rset_ohms = 2700.0;
    state.rf_freq = 1750000000.0;
    state.pfd_freq = 10000000.0;
    state.refin_freq = 10000000.0;
    state.chan_step = 200000.0;
    state.int_val = 175.0;
    state.frac_val = 0.0;
    state.mod_val = 50.0;
    state.r_count = 1;
    state.prescaler_p = 8;
    state.prescaler_field = bit_weight<int32_t>(20);
    state.prescaler_bit = 1.0;
    state.if_vco_freq = 540.0;
    state.if_pfd_freq = 200.0;
    state.if_n = 400;
    state.if_prescaler = 8;
    state.if_prescaler_field = 0;
    state.if_a = 4;
    state.if_b = 337;
    state.if_r = 50;
}

void apply_panel_load_values(SharedState& state) {
    state.phase_value = 1.0;
}

void apply_confirmation_field_values(SharedState& state) {
    state.rf_pd_polarity = bit_weight<int16_t>(7);
    state.if_pd_polarity = bit_weight(7);
    state.rf_cp_current_dual = bit_weight<int32_t>(10) + bit_weight<int32_t>(9);
    state.if_cp_current = bit_weight<int32_t>(10) + bit_weight<int32_t>(9) + bit_weight<int32_t>(8);
}

DefaultsFollowUp apply_device_defaults(SharedState& state) {
    const std::optional<DeviceDefaults>& row = device_profile(state.device_name).defaults;
    if (!row) {
        return DefaultsFollowUp::none;
    }
    state.rset_ohms = row->rset_ohms;
    state.rset_ohms_int = row->rset_ohms;
    const auto set = [](auto& member, const auto& value) {
        if (value) {
            member = *value;
        }
    };
    set(state.rf_freq, row->rf_freq);
    set(state.refin_freq, row->refin_freq);
    set(state.pfd_freq, row->pfd_freq);
    set(state.mod_val, row->mod_val);
    set(state.cp_current_4r, row->cp_current_4r);
    set(state.cp_div2, row->cp_div2);
    set(state.cp_current_5r, row->cp_current_5r);
    set(state.dec_sel, row->dec_sel);
    return row->preset_panel ? DefaultsFollowUp::preset_panel : DefaultsFollowUp::none;
}

} // namespace zqf
