#pragma once

#include "files/descriptor.h"

#include <string>
#include <string_view>

namespace zqf {

// Replaces a file so that, whatever happens (a full disk, a crash, a kill,
// a power cut after commit returned), the target holds either its old content
// or the complete new one, never a mixture.
//
// Only a regular file is ever replaced. A target that is a symbolic link is
// followed to the regular file it names, which is replaced while the link
// stays; a device node, a named pipe, a socket or a link to one of them (or
// to nothing) is refused before anything is written, since renaming over it
// would swap the system's entry for a plain file.
//
// The new content goes into a temporary file created exclusively beside the
// file it replaces under a fresh random name (so no link planted there is
// followed, and no other writer's temporary is touched). Commit flushes it to
// disk, gives it the replaced file's permissions, and renames it over that
// file. A writer that is destroyed or abandoned before commit removes its
// temporary and leaves the target untouched.
//
// Fed in pieces, it also serves a file that grows while the program runs (a
// recording): nothing appears under the target's name until commit.
class AtomicWriter {
  public:
    explicit AtomicWriter(std::string target);
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;
    ~AtomicWriter();

    // Creates the temporary file. False (with error()) when it cannot be made.
    bool begin();
    // Appends bytes to the temporary file; false (with error()) on the first
    // failure, after which only abandon() or destruction are of use.
    bool append(std::string_view bytes);
    // Makes the written bytes the target's content; false (with error()) and
    // the target untouched when that fails.
    bool commit();
    // Gives up: removes the temporary file; the target stays as it was.
    void abandon();

    // The reason of the last failure, naming the target.
    const std::string& error() const { return error_; }
    const std::string& target() const { return target_; }

  private:
    bool fail(std::string_view what, int error_number);

    const std::string target_;
    // The file the content replaces: the target, or the file its link names.
    std::string destination_;
    std::string temporary_;
    Descriptor file_{-1};
    std::string error_;
    bool failed_ = false;
};

// Writes `bytes` as the whole new content of `path` through an AtomicWriter.
// Returns an empty text on success, otherwise the reason.
std::string write_atomically(const std::string& path, std::string_view bytes);

} // namespace zqf
