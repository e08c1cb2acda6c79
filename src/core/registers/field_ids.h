#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zqf {

// The identity of a register field, the same on every family that has it
// (INT is `int_val` at bits 22-14 on one family and 26-15 on another).
enum class FieldId : uint8_t {
    // Structure of every word.
    address,
    reserved,
    fixed_bit,
    // RF divider and reference path.
    int_val,
    frac,
    mod,
    r_counter,
    frac_msb,
    frac_lsb,
    phase,
    prescaler,
    ref_doubler,
    ref_divide_by_2,
    // RF control.
    muxout,
    load_control,
    fast_lock,
    resync,
    cp_half,
    cp_current,
    pd_polarity,
    ldp,
    powerdown,
    cp_three_state,
    counter_reset,
    sd_test_mode,
    test_mode,
    test_mode_window,
    noise_spur,
    dec_sel,
    clk_div_mode,
    clk_div_value,
    spare,
    // Shared function word of the dual devices.
    xo_disable,
    rf_if_powerdown,
    shared_cp_three_state,
    shared_counter_reset,
    // IF synthesizer of the dual devices.
    cp_gain,
    if_prescaler,
    if_b,
    if_a,
    if_ref_doubler,
    if_r_counter,
    if_test_mode,
    rf_phase_resync,
    if_cp_current,
    if_pd_polarity,
    if_ldp,
    if_powerdown,
    if_cp_three_state,
    if_counter_reset,
};

// How a field is named and explained wherever it is shown or exported.
struct FieldInfo {
    FieldId id;
    std::string_view key;     // snake_case, fit for a JSON key or a CSV column
    std::string_view name;    // the datasheet-style name ("INT", "R counter")
    std::string_view meaning; // one line, fit for a tooltip
    // A divider or counter value that planners compute and users type: every
    // entry that feeds it checks that the value fits, and so does send_register.
    bool counter = false;
};

const FieldInfo& field_info(FieldId id);

// Every field, in the order of FieldId.
std::span<const FieldInfo> field_infos();

// The field with that key.
std::optional<FieldId> field_by_key(std::string_view key);

} // namespace zqf
