#include "core/settings/settings_check.h"

#include "core/planning/if_counters.h"
#include "core/registers/assembly.h"
#include "core/registers/field_check.h"
#include "core/settings/settings_layout.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/state/list_choices.h"
#include "core/state/noise_patterns.h"

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
        find_field(device_profile(state.device_name), misfit.id);
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
        if (word.outcome != Assembly::overflow && word.outcome != Assembly::refused) {
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
    choices.phase_resync = f.rf_phase_resync == p2(15) + p2(14) + p2(11);
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
    SharedState s = now;
    store_settings_items(file.values, s);
    static const std::vector<FieldId> counters = counter_fields();
    if (const std::optional<FieldMisfit> misfit = check_stored_fields(s, counters)) {
        return misfit_reason(s, *misfit);
    }

    // What the panel's lists store when the load chooses their entries.
    const PanelChoices choices = panel_choices(file.values);
    if (choices.combo4) {
        choose_rf_prescaler(s, *choices.combo4);
    }
    if (choices.combo5) {
        if (std::optional<std::string> failure = derive_if_counters(s, *choices.combo5)) {
            return failure;
        }
    }
    if (choices.combo1) {
        choose_resync(s, *choices.combo1);
    }

    if (!std::isfinite(settled_rf_freq(s))) {
        return "lines 30 (mod_val), 32 (int_val), 33 (frac_val) and 39 (pfd_freq) give no RF "
               "output frequency";
    }
    if (!settled_if_vco_freq(s)) {
        return "lines 13 (if_b), 14 (if_a) and 36 (if_prescaler) give an IF divider beyond the "
               "32-bit whole numbers";
    }

    // The load may end in any noise mode, or keep the file's patterns.
    if (std::optional<std::string> failure = check_words(s)) {
        return failure;
    }
    for (const NoisePattern& pattern : noise_patterns) {
        SharedState mode = s;
        store_noise_pattern(mode, pattern);
        if (std::optional<std::string> failure = check_words(mode)) {
            return failure;
        }
    }
    return std::nullopt;
}

} // namespace zqf
