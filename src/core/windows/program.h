#pragma once

#include "core/link/bus_log.h"
#include "core/link/bus_recording.h"
#include "core/link/platform.h"
#include "core/link/register_link.h"
#include "core/state/shared_state.h"
#include "core/ui/form.h"
#include "core/ui/host.h"
#include "core/windows/names/forms.h"
#include "core/windows/remote_service.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zqf {

class MainForm;

// Where the program finds its files.
struct ProgramPaths {
    std::string program_dir;      // holds the USB adapter's firmware file
    std::string link_choice_file; // "comms_option.txt": the desktop's in its configuration
                                  // folder, zqfctl's in the current directory
};

// Owns the shared state, the link to the board and every open window, and
// runs program start and end. Windows are made afresh for every opening;
// a window that closes is kept until the next safe point (collect), since the
// handler that closed it may still be running.
class Program final : public WindowManager {
  public:
    Program(Host& host, Platform& platform, ProgramPaths paths);
    ~Program() override;

    // Program start: the start window is loaded and shown.
    void start();
    // Program end: every window closes at once, nothing is saved.
    void end();
    bool ended() const { return ended_; }

    SharedState& state() { return state_; }
    RegisterLink& link() { return link_; }
    Host& host() { return host_; }
    Platform& platform() { return platform_; }
    const ProgramPaths& paths() const { return paths_; }
    // The recording of the bus the surroundings offer, or nullptr.
    BusRecording* bus_recording() const { return bus_recording_; }
    void set_bus_recording(BusRecording* recording) { bus_recording_ = recording; }
    // The board as a SCPI instrument, where the surroundings offer it, or nullptr.
    RemoteService* remote_service() const { return remote_service_; }
    void set_remote_service(RemoteService* service) { remote_service_ = service; }
    // Every word handed to the link since the program started, the last
    // ten thousand kept.
    BusLog& bus_log() { return bus_log_; }
    const BusLog& bus_log() const { return bus_log_; }
    // What the chip holds in register `index`: the word the board latched,
    // where the platform can read it back, or else the last word the link
    // delivered; nothing before the first.
    std::optional<uint32_t> chip_word(int index) const;
    // The last word refused instead of sent, for the status line: why, and
    // when on the host's clock; an empty reason before the first.
    struct Refusal {
        std::string reason;
        int64_t time_ms = 0;
    };
    const Refusal& last_refusal() const { return last_refusal_; }

    // Creates a window with its designed values and runs its load handler;
    // an open window of the same name closes first.
    template <typename F> F& load() {
        auto form = std::make_unique<F>(*this);
        F& ref = *form;
        adopt(std::move(form));
        ref.load();
        return ref;
    }
    void show(Form& form);
    // Blocks the windows below until `form` closes; then `then` runs.
    void show_modal(Form& form, std::function<void()> then = {});
    void close(Form& form) override;

    // The open (loaded) window of that name.
    Form* find(std::string_view name) const;
    Form* find(FormId id) const { return find(form_name(id)); }
    template <typename F> F* find_form(FormId id) const { return dynamic_cast<F*>(find(id)); }
    MainForm* main_form() const;
    bool is_shown(const Form& form) const;
    // True while a modal window opened after `form` is open.
    bool is_blocked(const Form& form) const;
    // Open windows, in the order they were loaded.
    std::vector<Form*> open_forms() const;

    // Frees windows closed since the last call and runs what was posted.
    // Call between user events.
    void collect();
    // Runs `task` at the next collect, once the event being handled is over
    // (never after the program has ended).
    void post(std::function<void()> task) { posted_.push_back(std::move(task)); }

    void beep() { host_.beep(); }
    void message(MessageIcon icon, std::string_view title, std::string_view text) {
        host_.message_box(icon, title, text);
    }

  private:
    struct Window {
        std::unique_ptr<Form> form;
        bool shown = false;
        bool modal = false;
        long shown_order = 0;
        std::function<void()> then;
    };

    void adopt(std::unique_ptr<Form> form);
    Window* entry(const Form& form);
    const Window* entry(const Form& form) const;

    Host& host_;
    Platform& platform_;
    ProgramPaths paths_;
    SharedState state_;
    RegisterLink link_;
    BusLog bus_log_;
    std::array<std::optional<uint32_t>, 8> delivered_{};
    Refusal last_refusal_;
    std::vector<Window> windows_;
    std::vector<std::unique_ptr<Form>> retired_;
    std::vector<std::function<void()>> posted_;
    BusRecording* bus_recording_ = nullptr;
    RemoteService* remote_service_ = nullptr;
    long show_counter_ = 0;
    bool ended_ = false;
};

} // namespace zqf
