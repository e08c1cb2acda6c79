#include "core/settings/settings_parse.h"

#include "core/settings/list_input.h"
#include "core/settings/settings_layout.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <type_traits>

namespace zqf {

namespace {

using Kind = SettingsRefusal::Kind;

// A file's text as a message may show it: control and non-ASCII bytes as "?",
// and no longer than a line of a message box.
std::string shown(std::string_view text) {
    constexpr std::size_t longest = 40;
    std::string out;
    for (const char c : text.substr(0, longest)) {
        out += c >= ' ' && c <= '~' ? c : '?';
    }
    if (text.size() > longest) {
        out += "...";
    }
    return "\"" + out + "\"";
}

std::string catalogue_names() {
    std::string names;
    const auto rows = catalogue_profiles();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        names += i == 0 ? "" : i + 1 == rows.size() ? " or " : ", ";
        names += rows[i].stored_name;
    }
    return names;
}

bool in_catalogue(std::string_view name) {
    const auto rows = catalogue_profiles();
    return std::any_of(rows.begin(), rows.end(),
                       [name](const DeviceProfile& row) { return row.stored_name == name; });
}

// What send_register shows: "0" and "1" most significant first, at most 32
// bits; upper-case hexadecimal digits, at most 8. Either may be empty.
bool display_text_fits(const DisplayText& slot, std::string_view text) {
    const bool bits = slot.texts == &SharedState::reg_text_bin;
    const std::string_view digits = bits ? "01" : "0123456789ABCDEFabcdef";
    return text.size() <= (bits ? 32U : 8U) &&
           text.find_first_not_of(digits) == std::string_view::npos;
}

// Why an item cannot be stored; nothing when it was.
class ItemReader {
  public:
    ItemReader(SharedState& values, const SettingsItem& item, const std::string& field)
        : values_(values), item_(item), field_(field) {}

    std::optional<std::string> operator()(std::string SharedState::*member) const {
        if (member == &SharedState::device_name && !in_catalogue(field_)) {
            return "names no device this program evaluates; it takes " + catalogue_names();
        }
        values_.*member = field_;
        return std::nullopt;
    }

    std::optional<std::string> operator()(const DisplayText& slot) const {
        if (!display_text_fits(slot, field_)) {
            return slot.texts == &SharedState::reg_text_bin
                       ? std::string("is no bit string a register shows")
                       : std::string("is no hexadecimal text a register shows");
        }
        (values_.*slot.texts)[static_cast<std::size_t>(slot.index)] = field_;
        return std::nullopt;
    }

    std::optional<std::string> operator()(double SharedState::*member) const {
        const std::optional<double> number = parse_number(field_);
        if (!number) {
            return not_a_number();
        }
        // The file keeps 15 significant digits: a real within a hair of the
        // largest one would be written as a number too large to read back.
        if (!parse_number(print_form(*number))) {
            return "is too large to be saved again";
        }
        values_.*member = *number;
        return std::nullopt;
    }

    std::optional<std::string> operator()(int32_t SharedState::*member) const {
        const std::optional<double> number = parse_number(field_);
        if (!number) {
            return not_a_number();
        }
        if (item_.read_as_16_bit) {
            const std::optional<int16_t> whole = to_int16(*number);
            if (!whole) {
                return out_of_range(16);
            }
            values_.*member = *whole;
            return std::nullopt;
        }
        const std::optional<int32_t> whole = to_int32(*number);
        if (!whole) {
            return out_of_range(32);
        }
        values_.*member = *whole;
        return std::nullopt;
    }

    std::optional<std::string> operator()(int16_t SharedState::*member) const {
        const std::optional<double> number = parse_number(field_);
        if (!number) {
            return not_a_number();
        }
        const std::optional<int16_t> whole = to_int16(*number);
        if (!whole) {
            return out_of_range(16);
        }
        values_.*member = *whole;
        return std::nullopt;
    }

  private:
    static std::string not_a_number() { return "is not a number"; }

    static std::string out_of_range(int bits) {
        return bits == 16 ? "is outside the 16-bit whole numbers -32768 to 32767 once rounded"
                          : "is outside the 32-bit whole numbers -2147483648 to 2147483647 once "
                            "rounded";
    }

    SharedState& values_;
    const SettingsItem& item_;
    const std::string& field_;
};

SettingsRefusal refusal(Kind kind, std::string reason) {
    return SettingsRefusal{kind, std::move(reason)};
}

} // namespace

SettingsRead parse_settings(std::string_view bytes) {
    ListInput input{std::string(bytes)};
    const std::optional<std::string> marker = input.next_field();
    if (!marker || *marker != settings_marker) {
        return refusal(Kind::not_settings,
                       "line 1 is not \"" + std::string(settings_marker) + "\"");
    }
    SettingsFile file;
    int items_read = 1;
    for (const SettingsItem& item : settings_items()) {
        const std::optional<std::string> field = input.next_field();
        if (!field) {
            return refusal(Kind::invalid, "the file ends after " + std::to_string(items_read) +
                                              (items_read == 1 ? " item" : " items") +
                                              ", where settings take " +
                                              std::to_string(settings_item_count));
        }
        ++items_read;
        const ItemReader reader(file.values, item, *field);
        if (const std::optional<std::string> why = std::visit(reader, item.member)) {
            return refusal(Kind::invalid, "line " + std::to_string(item.line) + " (" +
                                              std::string(item.name) + ") holds " + shown(*field) +
                                              ", which " + *why);
        }
    }
    return file;
}

} // namespace zqf
