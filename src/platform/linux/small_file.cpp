#include "platform/linux/small_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zqf {

namespace {

// Closes the descriptor on every way out of read_small_file.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

} // namespace

std::optional<std::string> read_small_file(const std::filesystem::path& path, std::size_t max_bytes,
                                           std::string& error) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        error = "cannot open " + quoted(path) + ": " + std::strerror(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        error = "cannot examine " + quoted(path) + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        error = quoted(path) + " is not a regular file";
        return std::nullopt;
    }
    if (static_cast<std::size_t>(status.st_size) > max_bytes) {
        error = quoted(path) + " is too large (" + std::to_string(status.st_size) +
                " bytes, at most " + std::to_string(max_bytes) + ")";
        return std::nullopt;
    }
    // Read to the end rather than trusting st_size: files under /proc report 0.
    std::string text;
    char block[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), block, sizeof block);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = "cannot read " + quoted(path) + ": " + std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        if (text.size() + static_cast<std::size_t>(got) > max_bytes) {
            error =
                quoted(path) + " is too large (more than " + std::to_string(max_bytes) + " bytes)";
            return std::nullopt;
        }
        text.append(block, static_cast<std::size_t>(got));
    }
    return text;
}

} // namespace zqf
