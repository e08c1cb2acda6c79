#include "platform/linux/adapter_ids.h"

#include "files/bounded_read.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <sstream>

namespace zqf {

std::vector<AdapterId> builtin_adapter_ids() {
    return {
        // The default ids of an FX2-class EZ-USB chip with no firmware in RAM.
        {{0x04b4, 0x8613}, AdapterRole::loader},
    };
}

namespace {

std::optional<uint16_t> parse_hex16(std::string_view text) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    uint16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<UsbId> parse_usb_id(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto vendor = parse_hex16(text.substr(0, colon));
    const auto product = parse_hex16(text.substr(colon + 1));
    if (!vendor || !product) {
        return std::nullopt;
    }
    return UsbId{*vendor, *product};
}

} // namespace

AdapterIdConfig parse_adapter_ids(std::string_view text) {
    AdapterIdConfig out;
    std::istringstream lines{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string role;
        std::string id;
        std::string extra;
        if (!(words >> role)) {
            continue;
        }
        const auto parsed = words >> id ? parse_usb_id(id) : std::nullopt;
        const bool known_role = role == "loader" || role == "firmware";
        if (!known_role || !parsed || (words >> extra)) {
            out.errors.push_back("line " + std::to_string(number) +
                                 ": expected 'loader VVVV:PPPP' or 'firmware VVVV:PPPP'");
            continue;
        }
        out.ids.push_back(
            {*parsed, role == "loader" ? AdapterRole::loader : AdapterRole::firmware});
    }
    return out;
}

std::filesystem::path adapter_config_path(const char* xdg_config_home, const char* home) {
    // An empty or relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say.
    std::filesystem::path base;
    if (xdg_config_home != nullptr && xdg_config_home[0] == '/') {
        base = xdg_config_home;
    } else if (home != nullptr && home[0] != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return base / "zqfeval" / "usb-adapter.conf";
}

std::vector<AdapterId> load_adapter_ids(const std::filesystem::path& config, std::ostream& log) {
    std::vector<AdapterId> ids;
    if (!config.empty()) {
        const FileRead file = read_bounded(config.string(), adapter_id_file_kind);
        if (file.ok()) {
            AdapterIdConfig parsed = parse_adapter_ids(file.bytes);
            for (const std::string& message : parsed.errors) {
                log << "USB adapter: " << config.string() << ' ' << message << '\n';
            }
            ids = std::move(parsed.ids);
        } else if (file.fault != FileRead::Fault::missing) {
            log << "USB adapter: ignoring the id file: " << file.error << '\n';
        }
    }
    const std::vector<AdapterId> builtin = builtin_adapter_ids();
    ids.insert(ids.end(), builtin.begin(), builtin.end());
    return ids;
}

} // namespace zqf
