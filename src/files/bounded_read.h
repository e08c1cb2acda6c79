#pragma once

#include "files/file_kinds.h"

#include <optional>
#include <string>

namespace zqf {

// What reading a whole file gave: its bytes, or why not.
struct FileRead {
    enum class Fault {
        none,
        missing,     // no such file: often normal (a first start)
        not_regular, // a folder, a pipe, a device ...
        too_large,   // above the limit of its kind
        unreadable,  // the system refused to open or read it
    };

    std::string bytes;
    Fault fault = Fault::none;
    std::string error; // names the file and the reason; empty when read

    bool ok() const { return fault == Fault::none; }
};

// Reads a whole regular file of `kind`. Anything that is not a regular file is
// refused before it is opened, so a FIFO, a terminal or /dev/zero in its place
// can neither block nor flood the program; a file above the kind's limit is
// refused from its size, and one that grows past the limit while read is
// refused as soon as it does. Never reads more than limit + 1 bytes.
FileRead read_bounded(const std::string& path, const FileKind& kind);

// Hands out standard input line by line as it arrives, so a program at the
// other end of a pipe can wait for what each line does before it writes the
// next. As soon as more than the kind's limit has arrived, no further line is
// handed out and the input counts as refused. Waits while the writer is
// silent, as reading a pipe does.
class StandardInputLines {
  public:
    explicit StandardInputLines(const FileKind& kind) : kind_(kind) {}

    // The next line without its LF; nothing at the end or after a fault.
    std::optional<std::string> next_line();
    // Why the lines ended early; empty at a true end.
    const std::string& error() const { return error_; }

  private:
    const FileKind kind_;
    std::string pending_;
    std::size_t total_ = 0;
    bool ended_ = false;
    std::string error_;
};

} // namespace zqf
