#pragma once

#include "core/settings/settings_record.h"
#include "core/state/shared_state.h"

namespace zqf {

// Whether the file names a device of another register family than the one
// the program works with now.
bool changes_family(const SettingsFile& file, const SharedState& now);

// The shared state a load of `file` ends in, worked out before anything is
// stored:
// - a file of another family starts from that device's start-up panel, as
//   confirming the start window with it would;
// - every item of the file, as it stands in the file (the handlers a load runs
//   re-derive some of them; the file's values win);
// - what the words need that the file does not hold, derived as the planner
//   derives it: the RF output frequency, the IF VCO frequency, the ZQF7350's
//   fraction halves, the five-register reference bits, the prescaler bit, the
//   five-register noise pattern.
SharedState loaded_state(const SettingsFile& file, const SharedState& now);

// Stores into `state` every member a load sets (the file's items and the
// derived members), as `loaded` holds them; the rest of `state` stays.
void keep_loaded_members(const SharedState& loaded, SharedState& state);

} // namespace zqf
