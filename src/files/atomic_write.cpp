#include "files/atomic_write.h"

#include "files/file_identity.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace zqf {

namespace {

struct Place {
    std::string folder; // "" for the current one
    std::string name;
};

Place place_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {"", path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string random_suffix() {
    std::random_device source;
    std::string text;
    for (int i = 0; i < 3; ++i) {
        std::array<char, 9> part{};
        std::snprintf(part.data(), part.size(), "%08x", static_cast<unsigned>(source()));
        text += part.data();
    }
    return text;
}

std::string kind_refusal(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    return "it is " + std::string(file_type_text(mode)) + ", not a regular file";
}

// Where the content of a target goes, or why it may not go there.
struct Destination {
    std::string path;     // empty when refused
    std::string refusal;  // our own reason,
    int error_number = 0; // or the system's
};

Destination at(std::string path) {
    return {std::move(path), {}, 0};
}
Destination refused(std::string reason) {
    return {{}, std::move(reason), 0};
}
Destination failed(int error_number) {
    return {{}, {}, error_number};
}

// A regular file, or no file yet, is replaced under the target's own name; a
// link is followed to the regular file it names, so the link stays a link.
Destination destination_of(const std::string& target) {
    struct stat entry {};
    if (::lstat(target.c_str(), &entry) != 0) {
        return errno == ENOENT ? at(target) : failed(errno);
    }
    if (!S_ISLNK(entry.st_mode)) {
        return S_ISREG(entry.st_mode) ? at(target) : refused(kind_refusal(entry.st_mode));
    }
    char* const resolved = ::realpath(target.c_str(), nullptr);
    if (resolved == nullptr) {
        return errno == ENOENT ? refused("it is a symbolic link to a file that does not exist")
                               : failed(errno);
    }
    std::string path(resolved);
    std::free(resolved);
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        return failed(errno);
    }
    if (!S_ISREG(named.st_mode)) {
        return refused("it is a symbolic link to " + std::string(file_type_text(named.st_mode)) +
                       ", not to a regular file");
    }
    return at(std::move(path));
}

// Flushes the folder's entry for the renamed file. A folder that cannot be
// synced (some file systems refuse) still holds the new file.
void sync_folder(const std::string& folder) {
    const Descriptor dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
}

} // namespace

AtomicWriter::AtomicWriter(std::string target) : target_(std::move(target)) {}

AtomicWriter::~AtomicWriter() {
    abandon();
}

bool AtomicWriter::fail(std::string_view what, int error_number) {
    error_ =
        "cannot write '" + target_ + "': " + std::string(what) +
        (error_number != 0 ? std::string(what.empty() ? "" : ": ") + std::strerror(error_number)
                           : "");
    failed_ = true;
    abandon();
    return false;
}

bool AtomicWriter::begin() {
    if (failed_ || file_.valid()) {
        return !failed_;
    }
    const Place place = place_of(target_);
    if (place.name.empty() || place.name == "." || place.name == "..") {
        return fail("it names a folder", 0);
    }
    const Destination destination = destination_of(target_);
    if (destination.path.empty()) {
        return fail(destination.refusal, destination.error_number);
    }
    destination_ = destination.path;
    // A file the user made read-only stays as it is.
    if (::faccessat(AT_FDCWD, destination_.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        return fail("", errno);
    }
    // O_EXCL with O_CREAT never follows a link, and a fresh random name cannot
    // collide with another writer's temporary file.
    const Place beside = place_of(destination_);
    constexpr int attempts = 16;
    for (int i = 0; i < attempts; ++i) {
        std::string candidate = beside.folder + "." + beside.name + "." + random_suffix() + ".tmp";
        const int fd =
            ::open(candidate.c_str(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            file_ = Descriptor(fd);
            temporary_ = std::move(candidate);
            return true;
        }
        if (errno != EEXIST) {
            return fail("", errno);
        }
    }
    return fail("", EEXIST);
}

bool AtomicWriter::append(std::string_view bytes) {
    if (failed_ || (!file_.valid() && !begin())) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(file_.get(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return fail("", errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicWriter::commit() {
    if (failed_ || (!file_.valid() && !begin())) {
        return false;
    }
    struct stat existing {};
    if (::lstat(destination_.c_str(), &existing) == 0) {
        // Something else may have taken the file's place since begin().
        if (!S_ISREG(existing.st_mode)) {
            return fail(kind_refusal(existing.st_mode), 0);
        }
        // Ownership can only be kept by a privileged process (one run to reach
        // the port, say); for anyone else the attempt fails, and the file
        // becomes theirs, as any file they write does.
        [[maybe_unused]] const int kept_owner =
            ::fchown(file_.get(), existing.st_uid, existing.st_gid);
        if (::fchmod(file_.get(), existing.st_mode & 07777) != 0) {
            return fail("", errno);
        }
    }
    if (::fsync(file_.get()) != 0) {
        return fail("", errno);
    }
    // Some file systems report a failed write only at close.
    if (const int close_error = file_.reset(); close_error != 0) {
        return fail("", close_error);
    }
    if (::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        return fail("", errno);
    }
    temporary_.clear();
    sync_folder(place_of(destination_).folder);
    return true;
}

void AtomicWriter::abandon() {
    file_.reset();
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

std::string write_atomically(const std::string& path, std::string_view bytes) {
    AtomicWriter writer(path);
    if (writer.append(bytes) && writer.commit()) {
        return {};
    }
    return writer.error();
}

} // namespace zqf
