// Tooltips of the main panel, drawn from the bit tables, never written by hand.
#include "core/windows/panel_tooltips.h"

#include "core/registers/switch_fields.h"
#include "core/windows/names/main_controls.h"
#include <algorithm>
#include <array>
#include <string_view>

namespace zqf {

namespace {

using S = SharedState;

// The members each control stores when the user sets it.
struct ControlFields {
    std::string_view control;
    std::array<FieldRef, 4> members;
};

constexpr std::monostate none{};

// The members of the switches switch_fields lists come from there.
constexpr std::array<ControlFields, 19> control_fields{{
    {main_controls::Toggle13, {&S::doubler_field, &S::doubler_field_5, none, none}},
    {main_controls::Toggle14, {&S::if_ref_doubler, &S::if_r, none, none}},
    {main_controls::Toggle32, {&S::load_control, &S::fastlock_5r, none, none}},
    {main_controls::Toggle36, {&S::phase_value, none, none, none}},
    {main_controls::phase_reg_textbox, {&S::phase_value, none, none, none}},
    {main_controls::clock_divider_value_textbox, {&S::clk_div_value, none, none, none}},
    {main_controls::Combo1, {&S::resync_value, &S::load_control, none, none}},
    {main_controls::Combo2, {&S::test_mode, none, none, none}},
    {main_controls::Combo3, {&S::sd_test_mode, none, none, none}},
    {main_controls::Combo4, {&S::prescaler_bit, &S::prescaler_field, none, none}},
    {main_controls::Combo5, {&S::if_prescaler_field, &S::if_b, &S::if_a, &S::if_r}},
    {main_controls::Combo7, {&S::muxout_code, none, none, none}},
    {main_controls::Combo8, {&S::muxout_code, none, none, none}},
    {main_controls::Combo9, {&S::muxout_code, none, none, none}},
    {main_controls::Combo10, {&S::clk_div_mode, none, none, none}},
    {main_controls::Combo11, {&S::muxout_code, none, none, none}},
    {main_controls::Combo12, {&S::sd_test_mode, none, none, none}},
    {main_controls::Combo13, {&S::test_mode, none, none, none}},
    // The noise-and-spur buttons: one entry stands for the three.
    {"noise", {&S::ns_bits_4r, &S::ns_bits_5r, &S::ns_bits_dual, none}},
}};

constexpr std::array<std::string_view, 3> noise_options{
    main_controls::Option1, main_controls::Option2, main_controls::Option3};

// Where the fast-lock switch opens the timer window, closing that window also
// turns the muxout to the fast-lock switch.
constexpr std::array<FieldRef, 3> timer_window_fields{&S::load_control, &S::fastlock_5r,
                                                      &S::muxout_code};

std::span<const FieldRef> members_of(const ControlFields& row, const DeviceProfile& device) {
    if (row.control == main_controls::Toggle32 &&
        device.fast_lock_switch == FastLockSwitch::timer_window) {
        return timer_window_fields;
    }
    return row.members;
}

bool sets_fields(std::string_view control) {
    return switch_field(control) != nullptr ||
           std::any_of(control_fields.begin(), control_fields.end(),
                       [control](const ControlFields& row) { return row.control == control; });
}

// The read-outs, and their captions, that open a window when clicked: the
// caption of the window each opens on the device, or nothing where it opens none.
struct Door {
    std::string_view (*window)(const DeviceProfile& device);
    std::array<std::string_view, 13> controls;
};

std::string_view rf_current_window(const DeviceProfile& device) {
    return device.rf_current_window == RfCurrentWindow::current2form ? "Current Setting 2"
                                                                     : "Current Setting";
}

// Windows of the IF section's devices only.
template <const char* caption> std::string_view if_section_window(const DeviceProfile& device) {
    return device.if_section ? caption : "";
}

constexpr char mux_caption[] = "Muxout";
constexpr char power_caption[] = "PowerDown";
constexpr char if_current_caption[] = "Current Setting One";

const std::array<Door, 7> doors{{
    {[](const DeviceProfile&) -> std::string_view { return "RF Output Frequency"; },
     {main_controls::vcofreq, main_controls::ref_freq, main_controls::modulus,
      main_controls::fraclabel, main_controls::crystal, main_controls::crystalIF,
      main_controls::Label1, main_controls::Label2, main_controls::Label11, main_controls::Label12,
      main_controls::Label29, main_controls::Label38, main_controls::Toggle13}},
    {[](const DeviceProfile&) -> std::string_view { return "IF Output Frequency"; },
     {main_controls::ifvcofreq, main_controls::ifref_freq, main_controls::Label36,
      main_controls::Label37}},
    {[](const DeviceProfile&) -> std::string_view { return "Crystal Frequency"; },
     {main_controls::Label42}},
    {rf_current_window,
     {main_controls::currentsetting2, main_controls::Label6, main_controls::Label4}},
    {if_section_window<if_current_caption>,
     {main_controls::currentsetting1, main_controls::Label7, main_controls::Label30}},
    {if_section_window<mux_caption>, {main_controls::Label5}},
    {if_section_window<power_caption>,
     {main_controls::Label13, main_controls::Label10, main_controls::Label16}},
}};

std::string bits_text(const BitRange& bits) {
    return bits.width == 1 ? "bit " + std::to_string(bits.low)
                           : "bits " + std::to_string(bits.high()) + "-" + std::to_string(bits.low);
}

void add_line(std::string& text, const std::string& line) {
    if (!text.empty()) {
        text += '\n';
    }
    text += line;
}

std::string door_line(std::string_view control, const DeviceProfile& device) {
    for (const Door& door : doors) {
        if (std::find(door.controls.begin(), door.controls.end(), control) == door.controls.end()) {
            continue;
        }
        const std::string_view window = door.window(device);
        return window.empty() ? std::string() : "Click to open \"" + std::string(window) + "\".";
    }
    return {};
}

} // namespace

std::string bits_tooltip(const DeviceProfile& device, std::span<const FieldRef> members) {
    std::string text;
    for (int index = 0; index < device.register_count; ++index) {
        const RegisterMap* map = register_map(device.family, index);
        if (map == nullptr) {
            continue;
        }
        for_each_term(*map, [&](const Term& term) {
            const bool set_here =
                term.placement != Placement::reading && term_applies(device, term) &&
                !std::holds_alternative<std::monostate>(term.member) &&
                std::find(members.begin(), members.end(), term.member) != members.end();
            if (set_here) {
                add_line(text, "R" + std::to_string(index) + " " + bits_text(term.bits) + ": " +
                                   std::string(field_info(term.id).meaning));
            }
        });
    }
    return text;
}

void set_panel_tooltips(Form& main, const DeviceProfile& device) {
    for (const SwitchField& row : switch_fields()) {
        const std::optional<MemberValue> on = member_value(row);
        const std::array<FieldRef, 1> members{on ? on->member : FieldRef{none}};
        std::string door = door_line(row.control, device);
        add_line(door, bits_tooltip(device, members));
        main.find(row.control)->set_tooltip_notes(door);
    }
    for (const ControlFields& row : control_fields) {
        const std::string lines = bits_tooltip(device, members_of(row, device));
        if (row.control == "noise") {
            for (const std::string_view option : noise_options) {
                main.find(option)->set_tooltip_notes(lines);
            }
            continue;
        }
        std::string door = door_line(row.control, device);
        add_line(door, lines);
        main.find(row.control)->set_tooltip_notes(door);
    }
    for (const Door& door : doors) {
        for (const std::string_view name : door.controls) {
            if (!name.empty() && !sets_fields(name)) {
                main.find(name)->set_tooltip_notes(door_line(name, device));
            }
        }
    }
}

} // namespace zqf
