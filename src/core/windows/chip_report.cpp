// What the chip holds, read from the words written with the bit tables, set
// beside what the panel would send now.
#include "core/windows/chip_report.h"

#include "core/planning/dividers.h"
#include "core/registers/assembly.h"
#include "core/registers/field_check.h"
#include "core/registers/readouts.h"
#include "core/registers/word_fields.h"
#include "core/state/device_profile.h"
#include "core/text/number_text.h"
#include "core/windows/chip_side.h"
#include "core/windows/family_panel.h"
#include "core/windows/main_list_items.h"
#include "core/windows/test_mode_rows.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

namespace zqf {

namespace {

using F = FieldId;
using namespace chip;

std::string list_item(std::string_view list, uint32_t code) {
    for (const ListItems& items : main_list_items()) {
        if (items.name == list && code < items.items.size()) {
            return items.items[code];
        }
    }
    return "code " + std::to_string(code);
}

// The name the test-mode window gives a code, after the code as the lists write it.
std::string mode_name(const TestModeRows& rows, uint32_t code) {
    return code < rows.size() ? std::to_string(code) + ": " + std::string(rows[code].mode_text)
                              : "code " + std::to_string(code);
}

std::string on_off(uint32_t code) {
    return code != 0 ? "on" : "off";
}

// "R0", "R0 and R1", "R0, R1 and R2".
std::string register_list(const std::vector<int>& indexes) {
    std::string text;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (i > 0) {
            text += i + 1 == indexes.size() ? " and " : ", ";
        }
        text += "R" + std::to_string(indexes[i]);
    }
    return text;
}

// The registers, in order, that hold any of `ids` on the device.
std::vector<int> registers_of(const DeviceProfile& device, std::span<const FieldId> ids) {
    std::vector<int> out;
    for (int index = 0; index < device.register_count; ++index) {
        for (const FieldId id : ids) {
            const std::optional<FieldPlace> place = find_field(device, id);
            if (place && place->index == index) {
                out.push_back(index);
                break;
            }
        }
    }
    return out;
}

// One setting on both sides: `show` reads a side that knows every field of `ids`.
using Show = std::function<std::string(const Side&)>;

struct Setting {
    std::string_view name;
    Ids ids;
    Show show;
};

std::optional<std::string> shown(const Side& side, const Setting& setting) {
    return side.knows(setting.ids) ? std::optional(setting.show(side)) : std::nullopt;
}

std::string fraction_text(const Side& side) {
    const std::string integer = std::to_string(*side.code(F::int_val));
    if (side.device().fraction == FractionKind::fixed_25_bit) {
        const double fraction =
            *side.code(F::frac_msb) * fraction_lsb_units + *side.code(F::frac_lsb);
        return integer + " + " + general_form(fraction) + "/" + general_form(fixed_modulus);
    }
    return integer + " + " + std::to_string(*side.code(F::frac)) + "/" +
           std::to_string(*side.code(F::mod));
}

std::string rf_current_text(const Side& side) {
    const std::optional<std::string> current = compute_readouts(side.decoded()).currentsetting2;
    std::string text =
        current ? *current + " mA" : "code " + std::to_string(*side.code(F::cp_current));
    if (*side.code(F::cp_half) != 0) {
        text += ", halved (CP /2)";
    }
    return text;
}

std::string muxout_text(const Side& side) {
    const std::optional<std::string> name = muxout_name(side.decoded());
    return name ? *name : "code " + std::to_string(*side.code(F::muxout));
}

std::vector<Setting> settings_of(const DeviceProfile& device) {
    const bool dual = device.if_section;
    std::vector<Setting> out{
        {"RF output", rf_fields, [](const Side& s) { return mhz(rf_output(s)); }},
        {"PFD", rf_pfd_fields, [](const Side& s) { return khz(rf_pfd(s)); }},
        {"N = INT + FRAC/MOD",
         {F::int_val, F::frac, F::mod, F::frac_msb, F::frac_lsb},
         fraction_text},
        {"RF prescaler",
         {F::prescaler},
         [](const Side& s) { return std::string(*s.code(F::prescaler) != 0 ? "8/9" : "4/5"); }},
        {"RF charge-pump current", {F::cp_current, F::cp_half}, rf_current_text},
        {"Muxout", {F::muxout}, muxout_text},
        {"RF powerdown",
         {F::powerdown},
         [](const Side& s) { return on_off(*s.code(F::powerdown)); }},
    };
    if (dual) {
        out.push_back({"IF output", if_fields, [](const Side& s) { return mhz(if_output(s)); }});
        out.push_back({"IF PFD", if_pfd_fields, [](const Side& s) { return khz(if_pfd(s)); }});
        out.push_back({"IF prescaler", {F::if_prescaler}, [](const Side& s) {
                           const int p = if_prescaler(s);
                           return std::to_string(p) + "/" + std::to_string(p + 1);
                       }});
        out.push_back({"IF charge-pump current", {F::if_cp_current}, [](const Side& s) {
                           const auto current = compute_readouts(s.decoded()).currentsetting1;
                           return current ? *current + " mA"
                                          : "code " + std::to_string(*s.code(F::if_cp_current));
                       }});
        out.push_back({"IF powerdown", {F::if_powerdown}, [](const Side& s) {
                           return on_off(*s.code(F::if_powerdown));
                       }});
        out.push_back({"RF and IF powerdown", {F::rf_if_powerdown}, [](const Side& s) {
                           return on_off(*s.code(F::rf_if_powerdown));
                       }});
        out.push_back({"RF test mode", {F::test_mode}, [](const Side& s) {
                           return mode_name(rf_test_modes, *s.code(F::test_mode));
                       }});
        out.push_back({"IF test mode", {F::if_test_mode}, [](const Side& s) {
                           return mode_name(if_test_modes, *s.code(F::if_test_mode));
                       }});
        return out;
    }
    // The test-mode lists of the panel name the codes of these families; a
    // name outside the catalogue reads them as the five-register lists.
    const FamilyPanel* panel = family_row(family_panels, device.family);
    const FamilyPanel& lists =
        panel != nullptr ? *panel : *family_row(family_panels, Family::five_register);
    const std::string_view test_list = lists.test_mode_list;
    const std::string_view sd_list = lists.sd_test_mode_list;
    out.push_back({"Test mode", {F::test_mode}, [test_list](const Side& s) {
                       return list_item(test_list, *s.code(F::test_mode));
                   }});
    out.push_back({"Sigma-delta test mode", {F::sd_test_mode}, [sd_list](const Side& s) {
                       return list_item(sd_list, *s.code(F::sd_test_mode));
                   }});
    return out;
}

// The frequency in MHz on both sides, with more digits where five decimals
// would hide a difference (a step of the 25-bit fraction is a fraction of a hertz).
std::pair<std::string, std::string> both_mhz(const Frequency& chip, const Frequency& panel) {
    std::string a = mhz(chip);
    std::string b = mhz(panel);
    if (a == b && chip.none.empty() && chip.hz != panel.hz) {
        a = general_form(chip.hz / 1e6) + " MHz";
        b = general_form(panel.hz / 1e6) + " MHz";
    }
    return {a, b};
}

SummaryLine summary_line(std::string_view prefix, const Side& chip, const Side& panel,
                         std::span<const FieldId> ids, Frequency (*output)(const Side&),
                         const std::vector<RegisterReport>& registers) {
    std::vector<int> unwritten;
    std::vector<int> stale; // whose fields behind the frequency differ from the panel's
    for (const int index : registers_of(chip.device(), ids)) {
        const RegisterReport& r = registers[static_cast<std::size_t>(index)];
        if (r.status == RegisterStatus::never_written) {
            unwritten.push_back(index);
            continue;
        }
        const bool moved = std::any_of(ids.begin(), ids.end(), [&](FieldId id) {
            const std::optional<FieldPlace> place = find_field(chip.device(), id);
            return place && place->index == index && chip.code(id) != panel.code(id);
        });
        if (moved) {
            stale.push_back(index);
        }
    }
    const std::string p(prefix);
    const std::string panel_text = panel.knows(ids) ? mhz(output(panel)) : "no word to send";
    if (!unwritten.empty()) {
        return {p + "chip: not known, " + register_list(unwritten) +
                    " never written; panel: " + panel_text,
                false};
    }
    if (!panel.knows(ids)) {
        return {p + "chip: " + mhz(output(chip)) + ", panel: no word to send", false};
    }
    const auto [chip_mhz, panel_mhz] = both_mhz(output(chip), output(panel));
    if (chip_mhz == panel_mhz) {
        return {p + "chip and panel: " + chip_mhz, true};
    }
    std::string line = p + "chip: " + chip_mhz + ", panel: " + panel_mhz;
    if (!stale.empty()) {
        line += ", " + register_list(stale) + " not written since the last change";
    }
    return {line, false};
}

RegisterStatus status_of(const std::optional<uint32_t>& chip,
                         const std::optional<uint32_t>& panel) {
    if (!chip) {
        return RegisterStatus::never_written;
    }
    if (!panel) {
        return RegisterStatus::no_panel_word;
    }
    return *chip == *panel ? RegisterStatus::current : RegisterStatus::stale;
}

} // namespace

ChipReport chip_report(const SharedState& panel_state, const RegisterWords& chip_words) {
    ChipReport report;
    const DeviceProfile& device = device_profile(panel_state.device_name);
    RegisterWords panel_words{};
    for (int index = 0; index < device.register_count; ++index) {
        panel_words[static_cast<std::size_t>(index)] = compose_register(panel_state, index);
    }
    for (int index = 0; index < device.register_count; ++index) {
        const auto i = static_cast<std::size_t>(index);
        RegisterReport r{index,
                         device.transfer_bits,
                         chip_words[i],
                         panel_words[i],
                         {},
                         status_of(chip_words[i], panel_words[i])};
        // Both words split alike: the layout is the device's, whatever the values.
        const std::vector<WordField> chip_fields =
            split_word(device, index, chip_words[i].value_or(0));
        const std::vector<WordField> panel_fields =
            split_word(device, index, panel_words[i].value_or(0));
        for (std::size_t k = 0; k < chip_fields.size(); ++k) {
            const WordField& field = chip_fields[k];
            r.fields.push_back(
                {field.id, field.bits, chip_words[i] ? std::optional(field.code) : std::nullopt,
                 panel_words[i] ? std::optional(panel_fields[k].code) : std::nullopt});
        }
        report.registers.push_back(std::move(r));
    }
    const Side chip(panel_state, device, chip_words);
    const Side panel(panel_state, device, panel_words);
    for (const Setting& setting : settings_of(device)) {
        report.settings.push_back(
            {std::string(setting.name), shown(chip, setting), shown(panel, setting)});
    }
    if (device.family != Family::none) {
        report.summary.push_back(
            summary_line("", chip, panel, rf_fields, rf_output, report.registers));
    }
    if (device.if_section) {
        report.summary.push_back(
            summary_line("IF ", chip, panel, if_fields, if_output, report.registers));
    }
    return report;
}

OutputFrequencies output_frequencies(const SharedState& panel, const RegisterWords& words) {
    const DeviceProfile& device = device_profile(panel.device_name);
    OutputFrequencies out;
    if (device.family == Family::none) {
        return out;
    }
    const Side side(panel, device, words);
    const auto known = [](const Frequency& f) {
        return f.none.empty() ? std::optional(f.hz) : std::nullopt;
    };
    if (side.knows(rf_fields)) {
        out.rf_hz = known(rf_output(side));
    }
    if (device.if_section && side.knows(if_fields)) {
        out.if_hz = known(if_output(side));
    }
    return out;
}

std::string_view status_text(RegisterStatus status) {
    switch (status) {
    case RegisterStatus::current:
        return "as on the panel";
    case RegisterStatus::stale:
        return "stale";
    case RegisterStatus::never_written:
        return "never written";
    case RegisterStatus::no_panel_word:
        return "the panel forms no word";
    }
    return {};
}

} // namespace zqf
