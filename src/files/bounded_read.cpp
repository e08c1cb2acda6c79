#include "files/bounded_read.h"

#include "files/descriptor.h"
#include "files/file_identity.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zqf {

namespace {

using Fault = FileRead::Fault;

std::string size_text(std::size_t bytes) {
    if (bytes % mebibyte == 0) {
        return std::to_string(bytes / mebibyte) + " MiB";
    }
    if (bytes % kibibyte == 0) {
        return std::to_string(bytes / kibibyte) + " KiB";
    }
    return std::to_string(bytes) + " bytes";
}

FileRead refused(Fault fault, const FileKind& kind, const std::string& source,
                 const std::string& reason) {
    FileRead out;
    out.fault = fault;
    out.error = "cannot read the " + std::string(kind.name) + " " + source + ": " + reason;
    return out;
}

std::string too_large(const FileKind& kind) {
    return "it is larger than " + size_text(kind.limit) + ", the limit for a " +
           std::string(kind.name);
}

// Waits until a descriptor that someone left non-blocking has data or an end.
bool wait_readable(int fd) {
    pollfd watch{fd, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&watch, 1, -1);
        if (ready >= 0 || errno != EINTR) {
            return ready >= 0;
        }
    }
}

// Reads to the end, but never more than limit + 1 bytes: one byte past the
// limit is enough to know the source is too large.
FileRead read_to_end(int fd, const FileKind& kind, const std::string& source,
                     std::size_t expected) {
    FileRead out;
    out.bytes.reserve(std::min(expected, kind.limit) + 1);
    char block[16 * 1024];
    for (;;) {
        const std::size_t room = kind.limit + 1 - out.bytes.size();
        const ssize_t got = ::read(fd, block, std::min(room, sizeof block));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refused(Fault::unreadable, kind, source, std::strerror(errno));
        }
        if (got == 0) {
            return out;
        }
        out.bytes.append(block, static_cast<std::size_t>(got));
        if (out.bytes.size() > kind.limit) {
            return refused(Fault::too_large, kind, source, too_large(kind));
        }
    }
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileRead read_bounded(const std::string& path, const FileKind& kind) {
    const std::string source = "'" + path + "'";
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return refused(missing ? Fault::missing : Fault::unreadable, kind, source,
                       std::strerror(errno));
    }
    // Judged before opening: opening a device or a FIFO may already block or
    // have effects of its own.
    if (!S_ISREG(before.st_mode)) {
        return refused(Fault::not_regular, kind, source,
                       "it is " + std::string(file_type_text(before.st_mode)) +
                           ", not a regular file");
    }
    if (static_cast<std::size_t>(before.st_size) > kind.limit) {
        return refused(Fault::too_large, kind, source, too_large(kind));
    }
    // O_NONBLOCK in case the name now stands for a FIFO after all.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) {
        const bool missing = errno == ENOENT;
        return refused(missing ? Fault::missing : Fault::unreadable, kind, source,
                       std::strerror(errno));
    }
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        return refused(Fault::unreadable, kind, source, std::strerror(errno));
    }
    if (!S_ISREG(opened.st_mode) || !same_file(before, opened)) {
        return refused(Fault::not_regular, kind, source,
                       "it was replaced by something else while being opened");
    }
    // Read to the end rather than trusting st_size: files under /proc report 0.
    return read_to_end(file.get(), kind, source, static_cast<std::size_t>(opened.st_size));
}

std::optional<std::string> StandardInputLines::next_line() {
    for (;;) {
        if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        if (ended_) {
            std::string last = std::move(pending_);
            pending_.clear();
            return last.empty() ? std::nullopt : std::optional<std::string>(std::move(last));
        }
        char block[16 * 1024];
        const std::size_t room = kind_.limit + 1 - total_;
        const ssize_t got = ::read(STDIN_FILENO, block, std::min(room, sizeof block));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && wait_readable(STDIN_FILENO)) {
            continue;
        }
        const std::string source = "from standard input";
        if (got < 0) {
            error_ = refused(Fault::unreadable, kind_, source, std::strerror(errno)).error;
        } else {
            total_ += static_cast<std::size_t>(got);
            if (total_ > kind_.limit) {
                error_ = refused(Fault::too_large, kind_, source, too_large(kind_)).error;
            }
        }
        if (!error_.empty()) {
            ended_ = true;
            pending_.clear();
            return std::nullopt;
        }
        ended_ = got == 0;
        pending_.append(block, static_cast<std::size_t>(got));
    }
}

} // namespace zqf
