#include "core/settings/settings_reader.h"

#include "core/settings/settings_check.h"
#include "core/settings/settings_parse.h"
#include "files/bounded_read.h"

namespace zqf {

SettingsRead read_settings(std::string_view bytes, const SharedState& now) {
    SettingsRead read = parse_settings(bytes);
    const auto* file = std::get_if<SettingsFile>(&read);
    if (file == nullptr) {
        return read;
    }
    if (std::optional<std::string> failure = check_settings(*file, now)) {
        return SettingsRefusal{SettingsRefusal::Kind::invalid, std::move(*failure)};
    }
    return read;
}

SettingsRead read_settings_file(const std::string& path, const SharedState& now) {
    const FileRead file = read_bounded(path, settings_file_kind);
    if (!file.ok()) {
        return SettingsRefusal{SettingsRefusal::Kind::unreadable, file.error};
    }
    return read_settings(file.bytes, now);
}

} // namespace zqf
