#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zqf {

// A file that grows while it is written and appears under its name only when
// complete. The text goes to a new temporary file beside the target, created
// exclusively (never through a link, never under a fixed name); finish()
// flushes it to disk and renames it over the target. A file that is given
// up, or never finished, leaves the target as it was and removes the
// temporary file.
class GrowingFile {
  public:
    // The temporary file beside `target`, or nothing with the reason in `error`.
    static std::unique_ptr<GrowingFile> create(const std::filesystem::path& target,
                                               std::string& error);
    ~GrowingFile();
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    // Appends `text`; false when the file could not take it (see error()).
    bool write(std::string_view text);
    // Flushes to disk and puts the file in place; false when it could not.
    bool finish();
    // Removes the temporary file; the target stays as it was.
    void abandon();

    const std::string& error() const { return error_; }

  private:
    GrowingFile(int fd, std::filesystem::path temporary, std::filesystem::path target)
        : fd_(fd), temporary_(std::move(temporary)), target_(std::move(target)) {}
    bool fail(std::string reason);

    int fd_;
    std::filesystem::path temporary_;
    std::filesystem::path target_;
    std::string error_;
};

} // namespace zqf
