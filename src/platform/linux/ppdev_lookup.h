#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace zqf {

// A ppdev port: its kernel name ("parport1") and device node.
struct PpdevPort {
    std::string name;
    std::filesystem::path node;
};

// Finds the ppdev port whose base address is `address`, reading the ports from
// <root>/sys/class/ppdev and their base addresses from
// <root>/proc/sys/dev/parport/<name>/base-addr. When none matches, falls back to
// parport0 (<root>/dev/parport0) and says so in `log`.
PpdevPort find_ppdev_port(const std::filesystem::path& root, int32_t address, std::ostream& log);

// The name of the device currently holding the port, from
// <root>/proc/sys/dev/parport/<name>/devices/active; empty when it is free or
// the kernel does not say.
std::string ppdev_port_holder(const std::filesystem::path& root, const std::string& name);

} // namespace zqf
