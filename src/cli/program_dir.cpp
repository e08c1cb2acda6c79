#include "cli/program_dir.h"

#include <filesystem>

namespace zqf::cli {

std::string program_dir(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path().string();
    }
    const std::filesystem::path invoked = std::filesystem::absolute(argv0, error);
    return error ? std::string(".") : invoked.parent_path().string();
}

} // namespace zqf::cli
