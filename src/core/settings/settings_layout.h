#pragma once

#include "core/state/shared_state.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace zqf {

// A settings file holds the whole panel in 64 items, one a line, always the
// same for every device: the marker, then the 63 items of settings_items().
inline constexpr std::string_view settings_marker = "valid frac settings";
inline constexpr int settings_item_count = 64;

// A display text of the file: the bit string or the hexadecimal text of one
// register's display pair.
struct DisplayText {
    std::array<std::string, 7> SharedState::*texts;
    int index; // the register, R0 to R6
};

// The member an item is stored into. Its type fixes how the item is written
// and read: a text, a real, or a 16-bit or 32-bit whole number.
using ItemMember = std::variant<std::string SharedState::*, double SharedState::*,
                                int32_t SharedState::*, int16_t SharedState::*, DisplayText>;

struct SettingsItem {
    int line;
    std::string_view name; // as messages name the item
    ItemMember member;
    // A 32-bit member that the file's reader takes as a 16-bit whole number.
    bool read_as_16_bit = false;
};

// Lines 2 to 64, in order.
std::span<const SettingsItem> settings_items();

// The item that holds a member, or nullptr when the file does not hold it.
const SettingsItem* settings_item_of(const ItemMember& member);

// Copies every member the file holds from `from` to `to`, as loading stores
// the items; every other member of `to` stays as it is.
void store_settings_items(const SharedState& from, SharedState& to);

} // namespace zqf
