#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zqf {

// The registers a word can be addressed to, R0 to R7, and those of them whose
// words the display pairs show, R0 to R6.
inline constexpr int register_slots = 8;
inline constexpr int shown_registers = 7;

constexpr bool is_register(int index) {
    return index >= 0 && index < register_slots;
}
constexpr bool is_shown_register(int index) {
    return index >= 0 && index < shown_registers;
}

// The one model of the program. Every window, planner and tool reads and writes
// these members directly. Names and widths are the program's own: the settings
// file, the register maps and the windows all speak in them. Field members are
// either raw codes or "pre-weighted" (the code already multiplied by 2^position).
// Default member values are the zeroed state at program start; the first-start
// values are set by apply_first_start_values when the start window loads.
struct SharedState {
    // --- device, link, transmission -----------------------------------------
    std::string device_name;
    std::string comm_link;
    int16_t port_address = 0;
    uint8_t reg_index = 0;
    std::array<double, register_slots> reg_word{};
    double tx_word = 0.0;
    std::array<std::string, shown_registers> reg_text_bin;
    std::array<std::string, shown_registers> reg_text_hex;

    // --- USB adapter ------------------------------------------------------
    std::string fw_path;
    std::array<uint8_t, 513> fw_path_bytes{};
    int16_t usb_status = 0;
    int16_t usb_bits = 0;
    std::array<uint8_t, 5> usb_buffer{};

    // --- charge-pump current-setting resistor --------------------------------
    double rset_ohms = 0.0;
    int16_t rset_ohms_int = 0;

    // --- RF frequency plan (Hz) -------------------------------------------
    double rf_freq = 0.0;
    double pfd_freq = 0.0;
    double refin_freq = 0.0;
    double chan_step = 0.0;
    double int_val = 0.0;
    double frac_val = 0.0;
    double mod_val = 0.0;
    double frac_msb = 0.0; // ZQF7350: upper 12 bits of the 25-bit fraction
    double frac_lsb = 0.0; // ZQF7350: lower 13 bits of the 25-bit fraction
    int16_t r_count = 0;
    int32_t prescaler_p = 0;     // 4 or 8
    int32_t prescaler_field = 0; // 0 or 2^20 (dual R1)
    double prescaler_bit = 0.0;  // 0.0 or 1.0 (4- and 5-register families)
    int32_t doubler_field = 0;   // 0 or 2^19
    int32_t doubler_field_5 = 0; // 0 or 2^20
    int32_t rdiv2_field = 0;     // 0 or 2^21

    // --- IF frequency plan (dual family) -------------------------------------
    double if_vco_freq = 0.0; // MHz
    double if_pfd_freq = 0.0; // kHz
    int32_t if_n = 0;
    int32_t if_b = 0;
    int32_t if_a = 0;
    int32_t if_r = 0;
    int32_t if_prescaler = 0;       // 8, 16, 32 or 64
    int32_t if_prescaler_field = 0; // code x 2^21

    // --- RF register fields -----------------------------------------------
    double fastlock_4r = 0.0;       // 0 or 2^23
    int32_t fastlock_5r = 0;        // 0 or 2^28
    double load_control = 0.0;      // 0 or 2^23
    double muxout_code = 0.0;       // k x 2^20 (4/5-register) or k x 2^7 (dual)
    int16_t resync_value = 0;       // 0..15
    int32_t cp_current_4r = 0;      // k x 2^7
    int16_t cp_div2 = 0;            // 0 or 2^10
    double cp_current_5r = 0.0;     // k x 2^24
    int32_t rf_cp_current_dual = 0; // k x 2^9
    int16_t rf_pd_polarity = 0;     // 0 or 2^7
    int16_t ldp_bit = 0;            // 0 or 2^5
    double rf_powerdown = 0.0;      // 0 or 2^5
    int16_t rf_cp_three_state = 0;  // 0 or 2^4
    int16_t rf_counter_reset = 0;   // 0 or 2^3
    int32_t sd_test_mode = 0;       // raw code
    int32_t test_mode = 0;          // raw code (4/5-register), code x 2^11 (dual)
    int32_t ns_bits_4r = 0;
    int32_t ns_bits_5r = 0;
    int32_t ns_bits_dual = 0;
    int32_t dual_r2_spare = 0;  // nothing sets it
    double phase_value = 0.0;   // ZQF7340 phase word
    double dec_sel = 0.0;       // 0.0 or 1.0
    int32_t clk_div_mode = 0;   // 0, 2^19 or 2^20
    double clk_div_value = 0.0; // 12-bit clock divider value

    // --- shared function word (dual R3) --------------------------------------
    int32_t xo_disable = 0;       // 0 or 2^6
    double rf_if_powerdown = 0.0; // 0 or 2^5
    int32_t cp_three_state = 0;   // 0 or 2^4
    int32_t counter_reset = 0;    // 0 or 2^3
    int32_t dual_muxout_index = 0;

    // --- IF register fields (dual family) ------------------------------------
    int32_t cp_gain = 0;            // 0 or 2^23
    int32_t if_ref_doubler = 0;     // 0 or 2^18
    int32_t if_test_mode = 0;       // code x 2^11
    int32_t rf_phase_resync = 0;    // 0 or 2^15+2^14+2^11
    int32_t if_cp_current = 0;      // k x 2^8
    double if_pd_polarity = 0.0;    // 0 or 2^7
    int16_t if_ldp = 0;             // 0 or 2^6
    double if_powerdown = 0.0;      // 0 or 2^5
    double if_cp_three_state = 0.0; // 0 or 2^4
    int16_t if_counter_reset = 0;   // 0 or 2^3

    // --- panel bookkeeping ------------------------------------------------
    int32_t bleed_up = 0; // 0 or 2^23, in no register
    int16_t first_option1_done = 0;
    int16_t test_mode_index = 0;
    int16_t if_test_mode_index = 0;

    // --- exercisers: kept between ticks and between openings -----------------
    double sweep_position = 0.0;       // Hz, the frequency the sweep has reached
    double sweep_stop = 0.0;           // Hz
    double sweep_step = 0.0;           // Hz, chan_step as it was at Start
    double sweep_position_fixed = 0.0; // Hz, the ZQF7350's own pair
    double sweep_stop_fixed = 0.0;     // Hz
    double hop_f1 = 0.0;               // MHz, as read at the last hop
    double hop_f2 = 0.0;               // MHz
    double hop_last_f1 = 0.0;          // MHz, refills the hopper's boxes
    double hop_last_f2 = 0.0;          // MHz
    int16_t hop_used = 0;              // 1 once any hop has run
    double hop_current = 0.0;          // MHz, programmed by the last hop

    // Member by member; what tests compare to show that nothing changed.
    bool operator==(const SharedState&) const = default;
};

} // namespace zqf
