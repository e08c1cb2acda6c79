#pragma once

#include "core/settings/settings_record.h"
#include "core/state/shared_state.h"

#include <optional>
#include <string>

namespace zqf {

// The entries of the main panel a load chooses from the file's values; each
// is nothing when its value matches none of the control's entries, which
// leaves the control as it was.
struct PanelChoices {
    std::optional<int> combo4;          // RF prescaler, from prescaler_p 4 or 8
    std::optional<int> combo5;          // IF prescaler, from if_prescaler_field n x 2^21
    std::optional<int> combo9;          // dual muxout, from muxout_code 128 x k
    std::optional<int> combo1;          // resync, from resync_value 0 to 15
    std::optional<int> noise_from_dual; // noise mode, from ns_bits_dual
    std::optional<int> noise_from_4r;   // noise mode again, from ns_bits_4r
    bool phase_resync = false;          // Toggle28, from rf_phase_resync 51200
};

PanelChoices panel_choices(const SharedState& file_values);

// The RF output frequency in Hz the stored dividers give: (FRAC / MOD + INT) x PFD.
double settled_rf_freq(const SharedState& state);

// The IF VCO frequency in MHz the stored IF counters give, (P x B + A) x IF
// PFD / 1000, the bracket in 32-bit whole numbers; nothing when the bracket
// leaves them or the result is no finite number.
std::optional<double> settled_if_vco_freq(const SharedState& state);

// Whether loading the file into a program whose state is `now` stays sound
// from the first stored value to the last write: every divider and counter
// value the named device places fits its field, as stored and as the panel's
// lists re-derive it (the IF counters after the IF prescaler), the two
// frequencies can be computed, and every register of the device assembles to
// a word its last guard would pass, whatever noise mode the load ends in.
// Returns why not, or nothing.
std::optional<std::string> check_settings(const SettingsFile& file, const SharedState& now);

} // namespace zqf
