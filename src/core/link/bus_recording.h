#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zqf {

// A recording of the serial interface as the chip sees it, into a file the
// user names. It watches the link and never changes what is sent. The file
// appears only when the recording ends well; a recording that fails leaves no
// file and no half-written one.
class BusRecording {
  public:
    virtual ~BusRecording() = default;

    // Starts recording into `path`: nothing, or why it cannot.
    virtual std::optional<std::string> start(const std::string& path) = 0;
    // Ends the recording and puts the file in place: nothing, or why it could not.
    virtual std::optional<std::string> stop() = 0;
    virtual bool recording() const = 0;
    // The file of the recording under way, or of the last one.
    virtual const std::string& path() const = 0;

    // Told, with the reason, when writing fails during a recording; the
    // recording has then stopped and its file is not written.
    virtual void set_failure_handler(std::function<void(const std::string& reason)> handler) = 0;
};

} // namespace zqf
