#pragma once

#include <optional>
#include <string>

namespace zqf::cli {

// A private folder (mode 0700, a fresh random name under the system's
// temporary folder) removed with its content when the object goes. It keeps
// what a command's program writes for itself, such as the link choice of a
// start window confirmed without a link, away from the user's files.
class ScratchFolder {
  public:
    // A folder, or nothing (with the reason in `error`) when none can be made.
    static std::optional<ScratchFolder> make(std::string& error);
    ScratchFolder(ScratchFolder&& other) noexcept;
    ScratchFolder& operator=(ScratchFolder&&) = delete;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::string& path() const { return path_; }

  private:
    explicit ScratchFolder(std::string path) : path_(std::move(path)) {}
    std::string path_;
};

} // namespace zqf::cli
