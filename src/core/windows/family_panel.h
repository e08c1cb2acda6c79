#pragma once

#include "core/state/family_table.h"
#include "core/windows/names/main_controls.h"

#include <array>
#include <span>
#include <string_view>

namespace zqf {

// What the main panel holds differently by register family.
struct FamilyPanel {
    Family family;
    // The panel's RF and sigma-delta test-mode lists, hidden until the loop
    // picture is double-clicked; empty where the test modes have a window of
    // their own, which the double click opens instead.
    ControlName<ListBox> test_mode_list;
    ControlName<ListBox> sd_test_mode_list;
    // Further hidden controls the double click brings out.
    std::span<const std::string_view> more_hidden;
};

inline constexpr std::array<std::string_view, 1> five_register_more_hidden{
    main_controls::dec_sel_toggle};

inline constexpr FamilyTable<FamilyPanel> family_panels{{
    {.family = Family::four_register,
     .test_mode_list = main_controls::Combo2,
     .sd_test_mode_list = main_controls::Combo3,
     .more_hidden = {}},
    {.family = Family::five_register,
     .test_mode_list = main_controls::Combo13,
     .sd_test_mode_list = main_controls::Combo12,
     .more_hidden = five_register_more_hidden},
    {.family = Family::dual, .test_mode_list = {}, .sd_test_mode_list = {}, .more_hidden = {}},
}};
static_assert(has_every_family(family_panels));

} // namespace zqf
