#include "platform/linux/growing_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zqf {

namespace {

std::string system_error() {
    return std::strerror(errno);
}

// A name no other file has a reason to use; the exclusive creation settles a clash.
std::filesystem::path temporary_beside(const std::filesystem::path& target, std::mt19937& random) {
    const auto folder = target.has_parent_path() ? target.parent_path() : ".";
    return folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                     std::to_string(random()) + ".part");
}

// Makes a new file's contents durable under its directory entry as well.
void sync_folder(const std::filesystem::path& target) {
    const auto folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::unique_ptr<GrowingFile> GrowingFile::create(const std::filesystem::path& target,
                                                 std::string& error) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        error = "it is a folder";
        return nullptr;
    }
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto temporary = temporary_beside(target, random);
        // O_EXCL also refuses a link planted under the temporary name.
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            return std::unique_ptr<GrowingFile>(new GrowingFile(fd, temporary, target));
        }
        if (errno != EEXIST) {
            error = system_error();
            return nullptr;
        }
    }
    error = "no free temporary name beside it";
    return nullptr;
}

GrowingFile::~GrowingFile() {
    abandon();
}

bool GrowingFile::fail(std::string reason) {
    error_ = std::move(reason);
    abandon();
    return false;
}

bool GrowingFile::write(std::string_view text) {
    if (fd_ < 0) {
        return false;
    }
    while (!text.empty()) {
        const ssize_t written = ::write(fd_, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return fail(written < 0 ? system_error() : "the file takes no more");
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool GrowingFile::finish() {
    if (fd_ < 0) {
        return false;
    }
    // A file that replaces another keeps its permissions.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    if (::fsync(fd_) != 0) {
        return fail(system_error());
    }
    if (::close(std::exchange(fd_, -1)) != 0) {
        error_ = system_error();
        ::unlink(temporary_.c_str());
        return false;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = system_error();
        ::unlink(temporary_.c_str());
        return false;
    }
    sync_folder(target_);
    return true;
}

void GrowingFile::abandon() {
    if (fd_ < 0) {
        return;
    }
    ::close(fd_);
    fd_ = -1;
    ::unlink(temporary_.c_str());
}

} // namespace zqf
