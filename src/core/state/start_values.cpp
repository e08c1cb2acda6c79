#include "core/state/start_values.h"

#include "core/state/devices.h"

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
    state.prescaler_field = 1 << 20;
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

void apply_confirmation_field_values(SharedState& state) {
    state.rf_pd_polarity = 1 << 7;
    state.if_pd_polarity = 128.0;
    state.rf_cp_current_dual = (1 << 10) + (1 << 9);
    state.if_cp_current = (1 << 10) + (1 << 9) + (1 << 8);
}

namespace {

void set_resistor(SharedState& state, int16_t ohms) {
    state.rset_ohms = ohms;
    state.rset_ohms_int = ohms;
}

} // namespace

DefaultsFollowUp apply_device_defaults(SharedState& state) {
    const std::string& name = state.device_name;
    if (name == zqf7310) {
        set_resistor(state, 5100);
        state.cp_current_4r = (1 << 9) + (1 << 8) + (1 << 7);
        return DefaultsFollowUp::none;
    }
    if (name == zqf7320) {
        set_resistor(state, 5100);
        state.rf_freq = 1650000000.0;
        state.refin_freq = 19200000.0;
        state.mod_val = 64.0;
        state.cp_current_4r = 0;
        state.cp_div2 = 1 << 10;
        return DefaultsFollowUp::zqf7320_panel;
    }
    if (name == zqf7340 || name == zqf7350) {
        set_resistor(state, 5100);
        state.rf_freq = 5800000000.0;
        state.refin_freq = 25000000.0;
        state.pfd_freq = 25000000.0;
        state.cp_current_5r = 0.0;
        state.dec_sel = 0.0;
        return DefaultsFollowUp::none;
    }
    if (name == zqf7620) {
        set_resistor(state, 2700);
    }
    return DefaultsFollowUp::none;
}

} // namespace zqf
