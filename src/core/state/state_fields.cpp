#include "core/state/state_fields.h"

#include <algorithm>

namespace zqf {

namespace {

// The name is the member's own, so a row cannot name one member and point at another.
#define ZQF_STATE_FIELD(member)                                                                    \
    { #member, &SharedState::member }

constexpr StateField state_field_rows[] = {
    // device, link, transmission
    ZQF_STATE_FIELD(device_name),
    ZQF_STATE_FIELD(comm_link),
    ZQF_STATE_FIELD(port_address),
    ZQF_STATE_FIELD(reg_index),
    ZQF_STATE_FIELD(reg_word),
    ZQF_STATE_FIELD(tx_word),
    ZQF_STATE_FIELD(reg_text_bin),
    ZQF_STATE_FIELD(reg_text_hex),
    // USB adapter
    ZQF_STATE_FIELD(fw_path),
    ZQF_STATE_FIELD(fw_path_bytes),
    ZQF_STATE_FIELD(usb_status),
    ZQF_STATE_FIELD(usb_bits),
    ZQF_STATE_FIELD(usb_buffer),
    // charge-pump current-setting resistor
    ZQF_STATE_FIELD(rset_ohms),
    ZQF_STATE_FIELD(rset_ohms_int),
    // RF frequency plan (Hz)
    ZQF_STATE_FIELD(rf_freq),
    ZQF_STATE_FIELD(pfd_freq),
    ZQF_STATE_FIELD(refin_freq),
    ZQF_STATE_FIELD(chan_step),
    ZQF_STATE_FIELD(int_val),
    ZQF_STATE_FIELD(frac_val),
    ZQF_STATE_FIELD(mod_val),
    ZQF_STATE_FIELD(frac_msb),
    ZQF_STATE_FIELD(frac_lsb),
    ZQF_STATE_FIELD(r_count),
    ZQF_STATE_FIELD(prescaler_p),
    ZQF_STATE_FIELD(prescaler_field),
    ZQF_STATE_FIELD(prescaler_bit),
    ZQF_STATE_FIELD(doubler_field),
    ZQF_STATE_FIELD(doubler_field_5),
    ZQF_STATE_FIELD(rdiv2_field),
    // IF frequency plan (dual family)
    ZQF_STATE_FIELD(if_vco_freq),
    ZQF_STATE_FIELD(if_pfd_freq),
    ZQF_STATE_FIELD(if_n),
    ZQF_STATE_FIELD(if_b),
    ZQF_STATE_FIELD(if_a),
    ZQF_STATE_FIELD(if_r),
    ZQF_STATE_FIELD(if_prescaler),
    ZQF_STATE_FIELD(if_prescaler_field),
    // RF register fields
    ZQF_STATE_FIELD(fastlock_4r),
    ZQF_STATE_FIELD(fastlock_5r),
    ZQF_STATE_FIELD(load_control),
    ZQF_STATE_FIELD(muxout_code),
    ZQF_STATE_FIELD(resync_value),
    ZQF_STATE_FIELD(cp_current_4r),
    ZQF_STATE_FIELD(cp_div2),
    ZQF_STATE_FIELD(cp_current_5r),
    ZQF_STATE_FIELD(rf_cp_current_dual),
    ZQF_STATE_FIELD(rf_pd_polarity),
    ZQF_STATE_FIELD(ldp_bit),
    ZQF_STATE_FIELD(rf_powerdown),
    ZQF_STATE_FIELD(rf_cp_three_state),
    ZQF_STATE_FIELD(rf_counter_reset),
    ZQF_STATE_FIELD(sd_test_mode),
    ZQF_STATE_FIELD(test_mode),
    ZQF_STATE_FIELD(ns_bits_4r),
    ZQF_STATE_FIELD(ns_bits_5r),
    ZQF_STATE_FIELD(ns_bits_dual),
    ZQF_STATE_FIELD(dual_r2_spare),
    ZQF_STATE_FIELD(phase_value),
    ZQF_STATE_FIELD(dec_sel),
    ZQF_STATE_FIELD(clk_div_mode),
    ZQF_STATE_FIELD(clk_div_value),
    // shared function word (dual R3)
    ZQF_STATE_FIELD(xo_disable),
    ZQF_STATE_FIELD(rf_if_powerdown),
    ZQF_STATE_FIELD(cp_three_state),
    ZQF_STATE_FIELD(counter_reset),
    ZQF_STATE_FIELD(dual_muxout_index),
    // IF register fields (dual family)
    ZQF_STATE_FIELD(cp_gain),
    ZQF_STATE_FIELD(if_ref_doubler),
    ZQF_STATE_FIELD(if_test_mode),
    ZQF_STATE_FIELD(rf_phase_resync),
    ZQF_STATE_FIELD(if_cp_current),
    ZQF_STATE_FIELD(if_pd_polarity),
    ZQF_STATE_FIELD(if_ldp),
    ZQF_STATE_FIELD(if_powerdown),
    ZQF_STATE_FIELD(if_cp_three_state),
    ZQF_STATE_FIELD(if_counter_reset),
    // panel bookkeeping
    ZQF_STATE_FIELD(bleed_up),
    ZQF_STATE_FIELD(first_option1_done),
    ZQF_STATE_FIELD(test_mode_index),
    ZQF_STATE_FIELD(if_test_mode_index),
    // exercisers
    ZQF_STATE_FIELD(sweep_position),
    ZQF_STATE_FIELD(sweep_stop),
    ZQF_STATE_FIELD(sweep_step),
    ZQF_STATE_FIELD(sweep_position_fixed),
    ZQF_STATE_FIELD(sweep_stop_fixed),
    ZQF_STATE_FIELD(hop_f1),
    ZQF_STATE_FIELD(hop_f2),
    ZQF_STATE_FIELD(hop_last_f1),
    ZQF_STATE_FIELD(hop_last_f2),
    ZQF_STATE_FIELD(hop_used),
    ZQF_STATE_FIELD(hop_current),
};

#undef ZQF_STATE_FIELD

} // namespace

std::span<const StateField> state_fields() {
    return state_field_rows;
}

const StateField* find_state_field(std::string_view name) {
    const auto it = std::find_if(std::begin(state_field_rows), std::end(state_field_rows),
                                 [name](const StateField& field) { return field.name == name; });
    return it == std::end(state_field_rows) ? nullptr : &*it;
}

} // namespace zqf
