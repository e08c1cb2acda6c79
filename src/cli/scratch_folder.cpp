#include "cli/scratch_folder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdlib.h>

namespace zqf::cli {

std::optional<ScratchFolder> ScratchFolder::make(std::string& error) {
    std::error_code code;
    const std::filesystem::path base = std::filesystem::temp_directory_path(code);
    std::string pattern =
        ((code ? std::filesystem::path("/tmp") : base) / "zqfctl-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        error = "cannot make a scratch folder " + pattern + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return ScratchFolder(std::move(pattern));
}

ScratchFolder::ScratchFolder(ScratchFolder&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

ScratchFolder::~ScratchFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

} // namespace zqf::cli
