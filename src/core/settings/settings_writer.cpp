#include "core/settings/settings_writer.h"

#include "core/settings/settings_layout.h"
#include "core/text/number_text.h"
#include "files/atomic_write.h"

#include <type_traits>

namespace zqf {

namespace {

constexpr std::string_view line_end = "\r\n";

std::string item_text(const SharedState& state, const ItemMember& member) {
    return std::visit(
        [&state](const auto& m) -> std::string {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, DisplayText>) {
                return (state.*m.texts)[static_cast<std::size_t>(m.index)];
            } else if constexpr (std::is_same_v<M, std::string SharedState::*>) {
                return state.*m;
            } else if constexpr (std::is_same_v<M, double SharedState::*>) {
                return print_form(state.*m);
            } else {
                return print_form(static_cast<int64_t>(state.*m));
            }
        },
        member);
}

} // namespace

std::string render_settings(const SharedState& state) {
    std::string out(settings_marker);
    out += line_end;
    for (const SettingsItem& item : settings_items()) {
        out += item_text(state, item.member);
        out += line_end;
    }
    return out;
}

std::string save_settings(const SharedState& state, const std::string& path) {
    return write_atomically(path, render_settings(state));
}

} // namespace zqf
