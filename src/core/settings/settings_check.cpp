#include "core/settings/settings_check.h"

#include "core/planning/if_counters.h"
#include "core/registers/assembly.h"
#include "core/registers/field_access.h"
#include "core/registers/field_check.h"
#include "core/registers/member_domain.h"
#include "core/registers/readouts.h"
#include "core/settings/loaded_state.h"
#include "core/settings/settings_layout.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/state/list_choices.h"
#include "core/state/noise_patterns.h"
#include "core/state/stored_values.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace zqf {

namespace {

constexpr auto p2 = bit_weight<int32_t>;

template <typename T, typename List> std::optional<int> position_of(T value, const List& entries) {
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        if (value == entries[i]) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// The item a register term's member is stored from, or nullptr.
const SettingsItem* item_of(const FieldRef& member) {
    return std::visit(
        [](auto m) -> const SettingsItem* {
            if constexpr (std::is_same_v<decltype(m), std::monostate>) {
                return nullptr;
            } else {
                return settings_item_of(ItemMember(m));
            }
        },
        member);
}

std::string without_period(std::string text) {
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string item_label(const SettingsItem& item) {
    return "line " + std::to_string(item.line) + " (" + std::string(item.name) + ")";
}

// "line 29", "lines 29 and 30", "lines 20, 21 and 22".
std::string lines_text(const std::set<int>& lines) {
    std::string text = lines.size() == 1 ? "line " : "lines ";
    std::size_t i = 0;
    for (const int line : lines) {
        text += i == 0 ? "" : i + 1 == lines.size() ? " and " : ", ";
        text += std::to_string(line);
        ++i;
    }
    return text;
}

// The divider and counter fields: each must fit wherever a device places it.
std::vector<FieldId> counter_fields() {
    std::vector<FieldId> ids;
    for (const FieldInfo& info : field_infos()) {
        if (info.counter) {
            ids.push_back(info.id);
        }
    }
    return ids;
}

// Names where a misfit came from: the file's line, or the panel for a
// value the file does not hold (the phase, say), which the load keeps.
std::string misfit_reason(const SharedState& state, const FieldMisfit& misfit) {
    const std::optional<FieldPlace> place =
        find_field_anywhere(device_profile(state.device_name), misfit.id);
    const SettingsItem* item = place ? item_of(place->term->member) : nullptr;
    const std::string where = item != nullptr ? item_label(*item) : "the panel's value";
    return where + ": " + without_period(misfit_text(misfit));
}

// The file's lines that feed register `index` of the device.
std::set<int> register_lines(const DeviceProfile& device, int index) {
    std::set<int> lines;
    if (const RegisterMap* map = register_map(device.family, index)) {
        for_each_term(*map, [&](const Term& term) {
            if (!term_applies(device, term)) {
                return;
            }
            if (const SettingsItem* item = item_of(term.member)) {
                lines.insert(item->line);
            }
        });
    }
    return lines;
}

// Whether every register of the device assembles to a word the last guard
// in send_register passes.
std::optional<std::string> check_words(const SharedState& state) {
    const DeviceProfile& device = device_profile(state.device_name);
    for (int index = 0; index < device.register_count; ++index) {
        SharedState scratch = state;
        scratch.reg_index = static_cast<uint8_t>(index);
        const Assembled word = assemble_register(scratch);
        // A test mode the device cannot carry was the panel's before the save
        // too; the last guard keeps it off the wire.
        if ((word.outcome != Assembly::overflow && word.outcome != Assembly::refused) ||
            word.uncarried_test_mode) {
            continue;
        }
        const std::string values = "the values for R" + std::to_string(index) + " (" +
                                   lines_text(register_lines(device, index)) + ")";
        if (word.outcome == Assembly::overflow) {
            return values + " overflow the whole-number sum the program forms for that register";
        }
        return values + " would not give a word the chip can trust: " + without_period(word.reason);
    }
    return std::nullopt;
}

constexpr std::string_view if_plan_lines =
    "lines 38 (if_pfd_freq), 40 (refin_freq) and 57 (if_vco_freq)";

// What choosing the IF prescaler re-derives: the IF counters, which must come
// out and fit the device's fields.
std::optional<std::string> derive_if_counters(SharedState& state, int position) {
    choose_if_prescaler(state, position);
    const std::optional<IfCounters> counters = counters_from_if_plan(state);
    if (!counters) {
        return "the IF counters cannot be computed from " + std::string(if_plan_lines);
    }
    state.if_r = counters->r;
    state.if_n = counters->n;
    state.if_b = counters->swallow.b;
    state.if_a = counters->swallow.a;
    constexpr FieldId if_counters[] = {FieldId::if_r_counter, FieldId::if_b, FieldId::if_a};
    if (const std::optional<FieldMisfit> misfit = check_stored_fields(state, if_counters)) {
        return "the IF counters computed from " + std::string(if_plan_lines) +
               " do not fit: " + without_period(misfit_text(*misfit));
    }
    return std::nullopt;
}

// The member of a file item as a register member, or nothing for a text.
std::optional<FieldRef> field_ref_of(const ItemMember& member) {
    return std::visit(
        [](const auto& m) -> std::optional<FieldRef> {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, double SharedState::*> ||
                          std::is_same_v<M, int32_t SharedState::*> ||
                          std::is_same_v<M, int16_t SharedState::*>) {
                return FieldRef(m);
            } else {
                return std::nullopt;
            }
        },
        member);
}

// Every item holds a value its controls store on the named device.
std::optional<std::string> check_domains(const SharedState& s) {
    const DeviceProfile& device = device_profile(s.device_name);
    for (const SettingsItem& item : settings_items()) {
        const std::optional<FieldRef> member = field_ref_of(item.member);
        if (!member) {
            continue;
        }
        const std::optional<Domain> domain = member_domain(device, *member);
        const double value = field_value(s, *member);
        if (domain && !domain->contains(value)) {
            return item_label(item) + " holds " + general_form(value) + ", which the " +
                   s.device_name + " does not take: it takes " + domain->text();
        }
    }
    return std::nullopt;
}

// Values one list or mode stores together must come from one choice.
std::optional<std::string> check_pairs(const SharedState& f) {
    const auto disagree = [&f](int position_count, auto choose, auto first, auto second) {
        for (int position = 0; position < position_count; ++position) {
            SharedState choice;
            choose(choice, position);
            if (choice.*first == f.*first) {
                return choice.*second != f.*second;
            }
        }
        return false;
    };
    using S = SharedState;
    if (disagree(2, choose_rf_prescaler, &S::prescaler_p, &S::prescaler_field)) {
        return std::string("lines 27 (prescaler_field) and 37 (prescaler_p) name different RF "
                           "prescalers; the prescaler list stores them together");
    }
    if (disagree(4, choose_if_prescaler, &S::if_prescaler, &S::if_prescaler_field)) {
        return std::string("lines 12 (if_prescaler_field) and 36 (if_prescaler) name different IF "
                           "prescalers; the IF prescaler list stores them together");
    }
    for (const NoisePattern& pattern : noise_patterns) {
        if ((pattern.ns_bits_dual == f.ns_bits_dual) != (pattern.ns_bits_4r == f.ns_bits_4r)) {
            return std::string("lines 23 (ns_bits_dual) and 62 (ns_bits_4r) hold the patterns of "
                               "different noise and spur modes; a mode stores both together");
        }
    }
    // Every refresh selects the mode such a test mode holds, and stores its pattern.
    if (const std::optional<std::size_t> held = noise_mode_of_test_mode(f)) {
        const NoisePattern& pattern = noise_patterns[*held];
        if (pattern.ns_bits_4r != f.ns_bits_4r) {
            return "line 20 (test_mode) holds the RF test mode of the \"" +
                   std::string(pattern.caption) +
                   "\", whose patterns lines 23 (ns_bits_dual) and 62 (ns_bits_4r) do not hold";
        }
    }
    return std::nullopt;
}

// A divider that fits but makes no sense with the others, named by its line.
std::optional<std::string> check_sense(const SharedState& s) {
    const std::optional<SenseFault> fault = divider_sense(s);
    if (!fault) {
        return std::nullopt;
    }
    const std::optional<FieldPlace> place =
        find_field_anywhere(device_profile(s.device_name), fault->id);
    const SettingsItem* item = place ? item_of(place->term->member) : nullptr;
    const std::string where = item != nullptr ? item_label(*item) : "the panel's value";
    return where + ": " + without_period(fault->text);
}

} // namespace

PanelChoices panel_choices(const SharedState& f) {
    constexpr int32_t rf_prescalers[] = {4, 8};
    constexpr int32_t if_prescaler_fields[] = {0, p2(21), p2(22), p2(22) + p2(21)};
    PanelChoices choices;
    choices.combo4 = position_of(f.prescaler_p, rf_prescalers);
    choices.combo5 = position_of(f.if_prescaler_field, if_prescaler_fields);
    for (int k = 0; k <= 15; ++k) {
        if (f.muxout_code == 128.0 * k) {
            choices.combo9 = k;
        }
        if (f.resync_value == k) {
            choices.combo1 = k;
        }
    }
    for (std::size_t i = 0; i < noise_patterns.size(); ++i) {
        if (f.ns_bits_dual == noise_patterns[i].ns_bits_dual) {
            choices.noise_from_dual = static_cast<int>(i);
        }
        if (f.ns_bits_4r == noise_patterns[i].ns_bits_4r) {
            choices.noise_from_4r = static_cast<int>(i);
        }
    }
    choices.phase_resync = f.rf_phase_resync == phase_resync_on;
    return choices;
}

double settled_rf_freq(const SharedState& s) {
    return (s.frac_val / s.mod_val + s.int_val) * s.pfd_freq;
}

std::optional<double> settled_if_vco_freq(const SharedState& s) {
    const int64_t product = static_cast<int64_t>(s.if_prescaler) * s.if_b;
    const int64_t bracket = product + s.if_a;
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int64_t highest = std::numeric_limits<int32_t>::max();
    if (product < lowest || product > highest || bracket < lowest || bracket > highest) {
        return std::nullopt;
    }
    const double mhz = static_cast<double>(bracket) * s.if_pfd_freq / 1000.0;
    return std::isfinite(mhz) ? std::optional<double>(mhz) : std::nullopt;
}

std::optional<std::string> check_settings(const SettingsFile& file, const SharedState& now) {
    const SharedState s = loaded_state(file, now);
    static const std::vector<FieldId> counters = counter_fields();
    if (const std::optional<FieldMisfit> misfit = check_stored_fields(s, counters)) {
        return misfit_reason(s, *misfit);
    }
    if (std::optional<std::string> failure = check_domains(s)) {
        return failure;
    }
    if (std::optional<std::string> failure = check_pairs(file.values)) {
        return failure;
    }
    if (std::optional<std::string> failure = check_sense(s)) {
        return failure;
    }

    // The IF prescaler's list re-derives the IF counters when the load
    // chooses its entry; the file's counters stand afterwards, but the
    // derivation must not fail aloud on the way.
    if (const std::optional<int> combo5 = panel_choices(file.values).combo5) {
        SharedState scratch = s;
        if (std::optional<std::string> failure = derive_if_counters(scratch, *combo5)) {
            return failure;
        }
    }

    if (!std::isfinite(s.rf_freq)) {
        return "lines 30 (mod_val), 32 (int_val), 33 (frac_val) and 39 (pfd_freq) give no RF "
               "output frequency";
    }
    if (!settled_if_vco_freq(s)) {
        return "lines 13 (if_b), 14 (if_a) and 36 (if_prescaler) give an IF divider beyond the "
               "32-bit whole numbers";
    }
    return check_words(s);
}

} // namespace zqf
