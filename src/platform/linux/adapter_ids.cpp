#include "platform/linux/adapter_ids.h"

#include "files/bounded_read.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

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

struct Listed {
    AdapterId id;
    int line = 0;
};

struct LineError {
    int line = 0;
    std::string text;
};

// Every loader id with the line that lists it, 0 for a built-in one.
std::vector<Listed> loaders(const std::vector<Listed>& listed) {
    std::vector<Listed> found;
    for (const AdapterId& builtin : builtin_adapter_ids()) {
        if (builtin.role == AdapterRole::loader) {
            found.push_back({builtin, 0});
        }
    }
    for (const Listed& entry : listed) {
        if (entry.id.role == AdapterRole::loader) {
            found.push_back(entry);
        }
    }
    return found;
}

// The line that lists `id` as a loader (0: built in), if any does.
std::optional<int> loader_line(const std::vector<Listed>& loaders, UsbId id) {
    for (const Listed& loader : loaders) {
        if (loader.id.id == id) {
            return loader.line;
        }
    }
    return std::nullopt;
}

// The blank-separated words of a line.
std::vector<std::string_view> words_of(std::string_view line) {
    constexpr std::string_view blanks = " \t\r\v\f";
    std::vector<std::string_view> words;
    for (std::size_t start = line.find_first_not_of(blanks); start != std::string_view::npos;
         start = line.find_first_not_of(blanks, start)) {
        const std::size_t end = std::min(line.find_first_of(blanks, start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

// Reads the lines that are well formed, in file order.
std::vector<Listed> read_lines(std::string_view text, std::vector<LineError>& errors) {
    std::vector<Listed> listed;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const std::vector<std::string_view> words = words_of(line.substr(0, line.find('#')));
        if (words.empty()) {
            continue;
        }
        const std::string_view role = words[0];
        const auto parsed = words.size() == 2 ? parse_usb_id(words[1]) : std::nullopt;
        const bool known_role = role == "loader" || role == "firmware";
        if (!known_role || !parsed) {
            errors.push_back({number, "expected 'loader VVVV:PPPP' or 'firmware VVVV:PPPP'"});
            continue;
        }
        if (*parsed == UsbId{0, 0}) {
            errors.push_back({number, "0000:0000 is no device's id"});
            continue;
        }
        listed.push_back(
            {{*parsed, role == "loader" ? AdapterRole::loader : AdapterRole::firmware}, number});
    }
    return listed;
}

} // namespace

AdapterIdConfig parse_adapter_ids(std::string_view text) {
    std::vector<LineError> errors;
    const std::vector<Listed> listed = read_lines(text, errors);
    const std::vector<Listed> loader_ids = loaders(listed);
    AdapterIdConfig out;
    // A board showing a loader id is bare: were the same id also a firmware
    // id, a bare board would be taken for a loaded one and never loaded.
    for (const Listed& entry : listed) {
        const std::optional<int> loader = entry.id.role == AdapterRole::firmware
                                              ? loader_line(loader_ids, entry.id.id)
                                              : std::nullopt;
        if (!loader) {
            out.ids.push_back(entry.id);
            continue;
        }
        const std::string id = to_string(entry.id.id);
        errors.push_back({entry.line, *loader == 0 ? id + " is the boot loader's own id; it cannot "
                                                          "also be a firmware id"
                                                   : id + " is listed as a loader on line " +
                                                         std::to_string(*loader) +
                                                         "; it cannot also be a firmware id"});
    }
    std::stable_sort(errors.begin(), errors.end(),
                     [](const LineError& a, const LineError& b) { return a.line < b.line; });
    for (const LineError& error : errors) {
        out.errors.push_back("line " + std::to_string(error.line) + ": " + error.text);
    }
    return out;
}

std::filesystem::path config_folder(const char* xdg_config_home, const char* home) {
    // An empty or relative XDG_CONFIG_HOME is to be ignored, as the base-directory rules say.
    std::filesystem::path base;
    if (xdg_config_home != nullptr && xdg_config_home[0] == '/') {
        base = xdg_config_home;
    } else if (home != nullptr && home[0] != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return base / "zqfeval";
}

std::filesystem::path adapter_config_path(const char* xdg_config_home, const char* home) {
    const std::filesystem::path folder = config_folder(xdg_config_home, home);
    return folder.empty() ? folder : folder / "usb-adapter.conf";
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
