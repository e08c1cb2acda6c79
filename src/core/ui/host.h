#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace zqf {

class Form;

enum class MessageIcon { none, exclamation, critical, information };

// The program's title, shown on message boxes that carry it.
inline constexpr std::string_view program_title = "Norvik Evaluation Software";

// The filter of the settings-file dialogs.
inline constexpr std::string_view settings_file_filter = "Test Files (*.txt)|*.txt";

// What a save dialog that offers several filters gave: the file, and the
// position of the filter the user left chosen.
struct SaveChoice {
    std::string path;
    std::size_t filter = 0;
};

// The position of the filter ("Text (*.x)|*.x|Text (*.y)|*.y") whose pattern
// the file's name ends with; the first when none does.
std::size_t filter_of_path(std::string_view filters, std::string_view path);

// Keeps a tick apart from everything else that reads or changes the models. A
// host may run timer ticks on a thread of their own; each tick holds this lock
// from start to end, and so must every other step that touches the models: a
// user action, a remote command, a view copying what it shows. The thread
// that holds it may take it again.
using ModelLock = std::recursive_mutex;

// Everything a form needs from its surroundings. The desktop program
// implements it with real windows; the bench-script runner with a virtual clock.
class Host {
  public:
    virtual ~Host() = default;

    // A message box with only an OK button; returns when it is answered.
    virtual void message_box(MessageIcon icon, std::string_view title, std::string_view text) = 0;
    virtual void beep() = 0;

    // The file the user picks, or nothing when the dialog is cancelled.
    virtual std::optional<std::string> open_file_dialog(std::string_view filter) = 0;
    virtual std::optional<std::string> save_file_dialog(std::string_view filter) = 0;
    // A save dialog with several filters, "Text (*.x)|*.x|Text (*.y)|*.y". By
    // default the plain save dialog, its filter told by the file's name.
    virtual std::optional<SaveChoice> save_file_choosing(std::string_view filters);

    // A window appears. A modal window blocks the windows below it.
    virtual void show(Form& form, bool modal) = 0;
    // A window goes away for good.
    virtual void closed(Form& form) = 0;

    // Milliseconds on the program's clock.
    virtual int64_t now_ms() = 0;

    // The program has ended: the host stops its event loop.
    virtual void quit() = 0;

    // A settings file was saved, or loaded in full: a desktop offers it among
    // the files used recently. No default: a host that wraps another must pass
    // it on, and leaving it out should not compile.
    virtual void settings_file_used(std::string_view path) = 0;

    // One line for whoever watches the program's diagnostics: a fault the
    // windows do not show (a link file that is a pipe, the reason behind a
    // message box). Standard error unless the host keeps its own.
    virtual void note(std::string_view text);

    // How the timer ticks of this host are scheduled, in a sentence for the
    // about window; empty where there is nothing to tell (a virtual clock).
    // No default, for the reason above.
    virtual std::string tick_scheduling() const = 0;

    // The lock over the models of the program this host serves.
    ModelLock& model_lock() { return model_lock_; }

  private:
    ModelLock model_lock_;
};

} // namespace zqf
