#pragma once

#include "core/settings/settings_record.h"

#include <string_view>

namespace zqf {

// Reads the bytes of a settings file into its items, all of them before any
// is used, in the runtime's list-input manner: an item ends at the end of its
// line or at a comma, blanks before an item and after a number are skipped, a
// text item that begins with a double quote runs to the closing quote.
//
// Refused: a first item other than the marker (letter case counts); fewer than
// 64 items; an item that is not a finite number where a number stands; a whole
// number outside its 16-bit or 32-bit range once rounded (a half to the even
// neighbour; line 35 counts as 16-bit); a device name outside the catalogue;
// a display text that is not a bit string or a hexadecimal text. Items after
// the 64th are ignored.
SettingsRead parse_settings(std::string_view bytes);

} // namespace zqf
