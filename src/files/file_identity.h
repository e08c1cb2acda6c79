#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zqf {

// Which file a name stands for. Two names are the same file when they share
// device and inode, however they are spelled and whatever links lead there.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The file `path` names, links followed; nothing when there is none.
std::optional<FileIdentity> identity_of(const std::string& path);

// The regular file open on a descriptor (standard input redirected from a
// file, say); nothing for a pipe, a terminal or a closed descriptor.
std::optional<FileIdentity> regular_file_on(int fd);

// What a file of this mode is, for messages: "a named pipe", "a socket" ...
std::string_view file_type_text(uint32_t mode);

} // namespace zqf
