#include "platform/linux/ppdev_lookup.h"

#include "files/bounded_read.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <ostream>
#include <vector>

namespace zqf {

namespace {

namespace fs = std::filesystem;

std::string hex_address(int64_t address) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<long long>(address));
    return text;
}

bool is_port_name(const std::string& name) {
    constexpr std::string_view prefix = "parport";
    return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           name.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

// The ports ppdev lists. Base addresses are unique, so order does not matter.
std::vector<std::string> ppdev_names(const fs::path& root) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root / "sys/class/ppdev", error)) {
        std::string name = entry.path().filename().string();
        if (is_port_name(name)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

fs::path parport_proc(const fs::path& root, const std::string& name) {
    return root / "proc/sys/dev/parport" / name;
}

// base-addr holds the base and the extended-register base: "888\t1912".
std::optional<int64_t> base_address(const fs::path& root, const std::string& name) {
    const FileRead file =
        read_bounded((parport_proc(root, name) / "base-addr").string(), port_info_kind);
    if (!file.ok()) {
        return std::nullopt;
    }
    const std::string& text = file.bytes;
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) {
        return std::nullopt;
    }
    int64_t value = 0;
    const auto [end, failure] =
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (failure != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

} // namespace

PpdevPort find_ppdev_port(const fs::path& root, int32_t address, std::ostream& log) {
    const std::vector<std::string> names = ppdev_names(root);
    std::string seen;
    for (const std::string& name : names) {
        const auto base = base_address(root, name);
        if (base && *base == address) {
            return {name, root / "dev" / name};
        }
        seen += (seen.empty() ? "" : ", ") + name + " at " +
                (base ? hex_address(*base) : std::string("an unknown address"));
    }
    log << "parallel port: no ppdev port has base address " << hex_address(address) << " ("
        << (names.empty() ? "no ppdev ports listed; is the ppdev module loaded?" : "found " + seen)
        << "); trying parport0\n";
    return {"parport0", root / "dev/parport0"};
}

std::string ppdev_port_holder(const fs::path& root, const std::string& name) {
    const FileRead file =
        read_bounded((parport_proc(root, name) / "devices/active").string(), port_info_kind);
    if (!file.ok()) {
        return {};
    }
    const std::string& text = file.bytes;
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    std::string holder = text.substr(first, last - first + 1);
    return holder == "none" ? std::string{} : holder;
}

} // namespace zqf
