#include "cli/device_names.h"

#include "cli/script_words.h"
#include "core/settings/settings_parse.h"
#include "files/bounded_read.h"

#include <algorithm>

namespace zqf::cli {

namespace {

bool same_letters(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&upper](char x, char y) { return upper(x) == upper(y); });
}

} // namespace

Outcome<const DeviceEntry*> device_named(std::string_view name) {
    std::string known;
    for (const DeviceEntry& entry : device_catalogue) {
        if (same_letters(entry.caption, name)) {
            return &entry;
        }
        known += (known.empty() ? "" : ", ") + std::string(entry.caption);
    }
    return Failure{"no device is named " + quote(name) + " (the devices: " + known + ")"};
}

const DeviceEntry* entry_of_stored_name(std::string_view stored_name) {
    for (const DeviceEntry& entry : device_catalogue) {
        if (entry.caption == stored_name && entry.stored_name == stored_name) {
            return &entry;
        }
    }
    return nullptr;
}

std::string settings_device_name(const std::string& path) {
    const FileRead file = read_bounded(path, settings_file_kind);
    if (!file.ok()) {
        return {};
    }
    const SettingsRead read = parse_settings(file.bytes);
    const SettingsFile* settings = std::get_if<SettingsFile>(&read);
    return settings != nullptr ? settings->values.device_name : std::string();
}

} // namespace zqf::cli
