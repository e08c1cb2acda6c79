#include "core/state/device_profile.h"

#include "core/state/bit_weight.h"
#include "core/state/family_profile.h"

#include <algorithm>
#include <array>

namespace zqf {

namespace {

constexpr std::array<int, 4> r3_r2_r1_r0{3, 2, 1, 0};
constexpr std::array<int, 5> r4_to_r0{4, 3, 2, 1, 0};
constexpr std::array<int, 4> r0_r1_r2_r3{0, 1, 2, 3};
constexpr std::array<int, 8> dual_every{7, 6, 5, 4, 2, 1, 0, 3};

constexpr std::array<int, 3> r2_r1_r0{2, 1, 0};
constexpr std::array<int, 4> r2_r1_r0_r3{2, 1, 0, 3};
constexpr std::array<int, 2> r1_r0{1, 0};

constexpr RegisterWrites refresh_only{true, false, {}};
constexpr RegisterWrites refresh_send_all{true, true, {}};

constexpr FamilyProfile four_register = *family_profile(Family::four_register);
constexpr FamilyProfile five_register = *family_profile(Family::five_register);
constexpr FamilyProfile dual = *family_profile(Family::dual);

// The 24-bit devices with four registers.
constexpr DeviceProfile four_register_row{
    .family = four_register.family,
    .register_count = four_register.register_count,
    .transfer_bits = four_register.transfer_bits,
    .fraction = FractionKind::modulus,
    .int_limits = IntLimitGroup::group_24_bit,
    .send_all_order = r3_r2_r1_r0,
    .send_every_order = {},
    .all_registers_write = AllRegistersWrite::send_all,
    .normal_update_writes = {true, false, r2_r1_r0},
    .lcd_update_writes = refresh_send_all,
    .reference_writes = refresh_send_all,
    .auxiliary_write = AuxiliaryWrite::all_registers,
    .settings_load_finish = SettingsLoadFinish::send_all,
    .rf_current_window = RfCurrentWindow::currentform7310,
    .if_section = false,
    .phase_register = false,
    .lcd_mode = true,
    .reference_halver = false,
    .resync_list = false,
    .noise_modes = true,
    .spur_sweep = false,
    .fast_lock_switch = FastLockSwitch::refresh_only,
};

// The 32-bit devices with five registers; "Update All Registers" writes nothing there.
constexpr DeviceProfile five_register_row{
    .family = five_register.family,
    .register_count = five_register.register_count,
    .transfer_bits = five_register.transfer_bits,
    .fraction = FractionKind::modulus,
    .int_limits = IntLimitGroup::group_32_bit,
    .send_all_order = r4_to_r0,
    .send_every_order = {},
    .all_registers_write = AllRegistersWrite::nothing,
    .normal_update_writes = {true, false, r2_r1_r0},
    .lcd_update_writes = refresh_send_all,
    .reference_writes = {},
    .auxiliary_write = AuxiliaryWrite::nothing,
    .settings_load_finish = SettingsLoadFinish::nothing,
    .rf_current_window = RfCurrentWindow::currentform7340,
    .if_section = false,
    .phase_register = false,
    .lcd_mode = true,
    .reference_halver = true,
    .resync_list = false,
    .noise_modes = true,
    .spur_sweep = false,
    .fast_lock_switch = FastLockSwitch::csr_bit,
};

constexpr DeviceDefaults five_register_defaults{
    .rset_ohms = 5100,
    .rf_freq = 5800000000.0,
    .refin_freq = 25000000.0,
    .pfd_freq = 25000000.0,
    .cp_current_5r = 0.0,
    .dec_sel = 0.0,
};

constexpr DeviceProfile zqf7310_row = [] {
    DeviceProfile row = four_register_row;
    row.stored_name = "ZQF7310";
    row.resync_list = true;
    row.defaults = DeviceDefaults{
        .rset_ohms = 5100,
        .cp_current_4r = bit_weight<int32_t>(9) + bit_weight<int32_t>(8) + bit_weight<int32_t>(7),
    };
    return row;
}();

constexpr DeviceProfile zqf7320_row = [] {
    DeviceProfile row = four_register_row;
    row.stored_name = "ZQF7320";
    row.fast_lock_switch = FastLockSwitch::timer_window;
    row.defaults = DeviceDefaults{
        .rset_ohms = 5100,
        .rf_freq = 1650000000.0,
        .refin_freq = 19200000.0,
        .mod_val = 64.0,
        .cp_current_4r = 0,
        .cp_div2 = bit_weight<int16_t>(10),
        .preset_panel = true,
    };
    return row;
}();

constexpr DeviceProfile zqf7340_row = [] {
    DeviceProfile row = five_register_row;
    row.stored_name = "ZQF7340";
    row.phase_register = true;
    row.spur_sweep = true;
    row.defaults = five_register_defaults;
    return row;
}();

// The fixed modulus leaves no LCD mode and no choice of noise mode.
constexpr DeviceProfile zqf7350_row = [] {
    DeviceProfile row = five_register_row;
    row.stored_name = "ZQF7350";
    row.fraction = FractionKind::fixed_25_bit;
    row.lcd_update_writes = {};
    row.lcd_mode = false;
    row.noise_modes = false;
    row.defaults = five_register_defaults;
    return row;
}();

// The dual RF and IF synthesizers.
constexpr DeviceProfile dual_row{
    .family = dual.family,
    .register_count = dual.register_count,
    .transfer_bits = dual.transfer_bits,
    .fraction = FractionKind::modulus,
    .int_limits = IntLimitGroup::group_24_bit,
    .send_all_order = r0_r1_r2_r3,
    .send_every_order = dual_every,
    .all_registers_write = AllRegistersWrite::send_every,
    .normal_update_writes = {true, false, r2_r1_r0_r3},
    .lcd_update_writes = {true, false, r1_r0},
    .reference_writes = refresh_only,
    .auxiliary_write = AuxiliaryWrite::own_register,
    .settings_load_finish = SettingsLoadFinish::raise_indicators,
    .rf_current_window = RfCurrentWindow::current2form,
    .if_section = true,
    .phase_register = false,
    .lcd_mode = true,
    .reference_halver = false,
    .resync_list = false,
    .noise_modes = true,
    .spur_sweep = false,
    .fast_lock_switch = FastLockSwitch::field_only,
};

// ZQF7610 selections store this name as well.
constexpr DeviceProfile zqf7620_row = [] {
    DeviceProfile row = dual_row;
    row.stored_name = "ZQF7620";
    row.defaults = DeviceDefaults{.rset_ohms = 2700};
    return row;
}();

constexpr std::array<DeviceProfile, 5> catalogue_rows{
    zqf7310_row, zqf7320_row, zqf7340_row, zqf7350_row, zqf7620_row,
};

// The start window's selections; each stores the name of a row above.
constexpr std::array<DeviceEntry, 6> catalogue_entries{{
    {"Option1", "ZQF7310", "ZQF7310", "ZQF7310"},
    {"Option2", "ZQF7320", "ZQF7320", "ZQF7320"},
    {"Option3", "ZQF7610", "ZQF7620", "ZQF7610"},
    {"Option6", "ZQF7620", "ZQF7620", "ZQF7620"},
    {"Option4", "ZQF7340", "ZQF7340", "ZQF7340"},
    {"Option5", "ZQF7350", "ZQF7350", "ZQF7350"},
}};

constexpr bool stores_a_row(const DeviceEntry& entry) {
    for (const DeviceProfile& row : catalogue_rows) {
        if (row.stored_name == entry.stored_name) {
            return true;
        }
    }
    return false;
}
static_assert(std::ranges::all_of(catalogue_entries, stores_a_row));

// Any other name: no map, no write orders, stored words resent as they are.
constexpr DeviceProfile other_name_row{
    .family = Family::none,
    .register_count = 0,
    .transfer_bits = 24,
    .fraction = FractionKind::modulus,
    .int_limits = IntLimitGroup::none,
    .send_all_order = {},
    .send_every_order = {},
    .all_registers_write = AllRegistersWrite::nothing,
    .normal_update_writes = {},
    .lcd_update_writes = {},
    .reference_writes = {},
    .auxiliary_write = AuxiliaryWrite::nothing,
    .settings_load_finish = SettingsLoadFinish::nothing,
    .rf_current_window = RfCurrentWindow::currentform7310,
    .if_section = false,
    .phase_register = false,
    .lcd_mode = true,
    .reference_halver = false,
    .resync_list = false,
    .noise_modes = true,
    .spur_sweep = false,
    .fast_lock_switch = FastLockSwitch::refresh_only,
};

// No selection stores this name; words and RF limits still treat it as 32-bit.
constexpr DeviceProfile zqf7360_row = [] {
    DeviceProfile row = other_name_row;
    row.stored_name = "ZQF7360";
    row.transfer_bits = 32;
    row.int_limits = IntLimitGroup::group_32_bit;
    return row;
}();

} // namespace

constinit const std::span<const DeviceEntry> device_catalogue = catalogue_entries;

const DeviceProfile& device_profile(std::string_view device_name) {
    for (const DeviceProfile& row : catalogue_rows) {
        if (row.stored_name == device_name) {
            return row;
        }
    }
    if (device_name == zqf7360_row.stored_name) {
        return zqf7360_row;
    }
    return other_name_row;
}

std::span<const DeviceProfile> catalogue_profiles() {
    return catalogue_rows;
}

} // namespace zqf
