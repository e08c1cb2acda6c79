#pragma once

#include "core/state/devices.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zqf {

// How the RF fraction is programmed.
enum class FractionKind {
    modulus,      // FRAC / MOD, both planned (INT, FRAC, MOD and R in the map)
    fixed_25_bit, // a 25-bit fraction over the fixed modulus 2^25, split 12 + 13 bits
};

// Which minimum-INT rows of the RF planner apply (the prescaler's limits).
enum class IntLimitGroup {
    none,
    group_24_bit, // P = 8: INT >= 88; P = 4: INT >= 31
    group_32_bit, // P = 8: INT >= 75; P = 4: INT >= 23
};

// The charge-pump current window that the main window's RF current label opens.
enum class RfCurrentWindow { currentform7310, currentform7340, current2form };

// What the main panel's fast-lock switch (Toggle32) does beyond storing load_control.
enum class FastLockSwitch {
    field_only,   // stores the field and nothing more
    refresh_only, // refreshes the panel, lights no indicator
    timer_window, // opens the fast-lock timer window first, then lights R1
    csr_bit,      // also sets the fast-lock bit of R2 (fastlock_5r), lights R2
};

// What "Update All Registers" (Toggle26) writes.
enum class AllRegistersWrite { nothing, send_all, send_every };

// How the auxiliary windows (test modes, charge-pump currents) write what they store.
enum class AuxiliaryWrite {
    nothing,       // stored only; the registers follow with the next write
    own_register,  // refresh, then the window's own register
    all_registers, // refresh, then send_all_registers
};

// What loading a settings file ends with.
enum class SettingsLoadFinish { nothing, send_all, raise_indicators };

// What a planner writes once its plan stands: a refresh of the read-outs, then
// either every register of the device or the listed ones in order.
struct RegisterWrites {
    bool refresh = false;
    bool send_all = false;
    std::span<const int> order{};
};

// The values a device sets when the start window confirms it; a member left
// empty keeps its value.
struct DeviceDefaults {
    int16_t rset_ohms = 0; // also rset_ohms_int
    std::optional<double> rf_freq{};
    std::optional<double> refin_freq{};
    std::optional<double> pfd_freq{};
    std::optional<double> mod_val{};
    std::optional<int32_t> cp_current_4r{};
    std::optional<int16_t> cp_div2{};
    std::optional<double> cp_current_5r{};
    std::optional<double> dec_sel{};
    // The main panel follows: prescaler list to its first entry, then a refresh.
    bool preset_panel = false;
};

// Everything that differs between devices, one row per stored device name.
// Every device-dependent decision reads a property of the row of device_name
// instead of comparing names. A device's row is its family's row with the
// device's own differences; the family rows are written out in full, and only
// the name and the start values have a default, so that no row can leave a
// decision unmade.
struct DeviceProfile {
    std::string_view stored_name{}; // empty for the row of names outside the catalogue
    Family family;
    int register_count; // registers the map assembles: 4, 5 or 8
    int transfer_bits;  // bits sent per word
    FractionKind fraction;
    IntLimitGroup int_limits;

    // Writes.
    std::span<const int> send_all_order;   // send_all_registers
    std::span<const int> send_every_order; // send_every_register
    AllRegistersWrite all_registers_write;
    RegisterWrites normal_update_writes; // RF planner, Normal mode
    RegisterWrites lcd_update_writes;    // RF planner, LCD mode and LCD steps
    RegisterWrites reference_writes;     // reference window
    AuxiliaryWrite auxiliary_write;
    SettingsLoadFinish settings_load_finish;

    // Sections, windows and controls.
    RfCurrentWindow rf_current_window;
    bool if_section;       // IF synthesizer: IF planner, IF current, dual-only doors
    bool phase_register;   // R1 phase word and the panel's phase frame
    bool lcd_mode;         // LCD buttons of the RF planner
    bool reference_halver; // reference divide-by-2 switch of the RF planner
    bool resync_list;      // the panel's resync list
    bool noise_modes;      // the noise-and-spur buttons are offered
    bool spur_sweep;       // "Spurious Optimisation Sweep" is enabled
    FastLockSwitch fast_lock_switch;

    std::optional<DeviceDefaults> defaults{};
};

// The row of a device name: one of the catalogue's devices, the ZQF7360 (a
// name no selection stores, which the transmission and the RF planner still
// count with the 32-bit devices), or the row of every other name.
const DeviceProfile& device_profile(std::string_view device_name);

// The catalogue devices' rows, one per stored name.
std::span<const DeviceProfile> catalogue_profiles();

} // namespace zqf
