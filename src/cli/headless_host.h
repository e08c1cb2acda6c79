#pragma once

#include "cli/virtual_clock.h"
#include "core/ui/host.h"
#include "files/file_identity.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace zqf::cli {

// The surroundings of the program in a bench script: each window shown or
// closed, message box and beep is one event line on `events`; message boxes are
// answered with OK at once; a file dialog takes the answer the script gave last
// and uses it up; the clock is virtual.
class HeadlessHost final : public Host {
  public:
    HeadlessHost(std::ostream& events, std::ostream& notes) : events_(events), notes_(notes) {}

    void message_box(MessageIcon icon, std::string_view title, std::string_view text) override;
    void beep() override;
    std::optional<std::string> open_file_dialog(std::string_view filter) override;
    std::optional<std::string> save_file_dialog(std::string_view filter) override;
    void show(Form& form, bool modal) override;
    void closed(Form& form) override;
    int64_t now_ms() override { return clock_.now_ms(); }
    void quit() override { ended_ = true; }
    void note(std::string_view text) override { notes_ << "note: " << text << '\n'; }
    void settings_file_used(std::string_view) override {}
    std::string tick_scheduling() const override { return {}; }

    // The answer of the next file dialog: a path, or nothing to cancel it.
    void set_file_answer(std::optional<std::string> path);
    // The script line being carried out, named in notes.
    void set_line(int line) { line_ = line; }
    // The script being run: a save dialog answered with it is cancelled and
    // the line refused, so no Save, export or recording replaces it.
    void set_script(std::optional<FileIdentity> script) { script_ = script; }
    // Why `path` may not be written (it is the script being run); nothing
    // when it may.
    std::optional<std::string> refusal_to_write(const std::string& path) const;
    // Why the last line's save dialog was refused, once; nothing when it was not.
    std::optional<std::string> take_refusal() { return std::exchange(refusal_, std::nullopt); }

    bool ended() const { return ended_; }
    VirtualClock& clock() { return clock_; }

  private:
    std::optional<std::string> take_file_answer(std::string_view dialog);

    std::ostream& events_;
    std::ostream& notes_;
    VirtualClock clock_;
    // Outer: whether the script gave an answer; inner: the path or a cancel.
    std::optional<std::optional<std::string>> file_answer_;
    int line_ = 0;
    bool ended_ = false;
    std::optional<FileIdentity> script_;
    std::optional<std::string> refusal_;
};

} // namespace zqf::cli
