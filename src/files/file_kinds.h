#pragma once

#include <cstddef>
#include <string_view>

namespace zqf {

// A kind of file the programs read, with the most bytes one may hold. The
// limits are far above what a sound file needs and far below what would make
// the program stall or run out of memory on a wrong path.
struct FileKind {
    std::string_view name; // as messages call it: "link file"
    std::size_t limit;     // bytes
};

inline constexpr std::size_t kibibyte = 1024;
inline constexpr std::size_t mebibyte = 1024 * kibibyte;

inline constexpr FileKind link_file_kind{"link file", 4 * kibibyte};
inline constexpr FileKind adapter_id_file_kind{"adapter id file", 64 * kibibyte};
inline constexpr FileKind settings_file_kind{"settings file", 64 * kibibyte};
inline constexpr FileKind firmware_file_kind{"firmware file", 1 * mebibyte};
inline constexpr FileKind script_kind{"script", 16 * mebibyte};
// The one-line files the kernel keeps about a parallel port under /proc.
inline constexpr FileKind port_info_kind{"port information file", 4 * kibibyte};

} // namespace zqf
