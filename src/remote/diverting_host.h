#pragma once

#include "core/ui/host.h"

#include <optional>
#include <string>
#include <vector>

namespace zqf::remote {

// What a handler said while a remote command ran: a beep, a message box's
// text, or both. A handler that says anything has refused.
struct Prompts {
    bool beeped = false;
    std::vector<std::string> messages;
    // The file an open or save dialog is answered with, used up by the first.
    std::optional<std::string> file_answer;

    bool refused() const { return beeped || !messages.empty(); }
    // The messages as one line ("" when there was only a beep).
    std::string text() const;
};

// Passes everything to the program's own host, except that while a diversion
// is on, message boxes and beeps are kept instead of shown and file dialogs
// take the answer the remote command gives: a remote command never opens a
// box. The desktop and `zqfctl serve` both give the program this host.
class DivertingHost final : public Host {
  public:
    explicit DivertingHost(Host& inner) : inner_(inner) {}

    // Diverts prompts into `prompts` while it lives; diversions nest, the
    // innermost one taking what is said.
    class Diversion {
      public:
        Diversion(DivertingHost& host, Prompts& prompts);
        ~Diversion();
        Diversion(const Diversion&) = delete;
        Diversion& operator=(const Diversion&) = delete;

      private:
        DivertingHost& host_;
        Prompts* outer_;
    };

    void message_box(MessageIcon icon, std::string_view title, std::string_view text) override;
    void beep() override;
    std::optional<std::string> open_file_dialog(std::string_view filter) override;
    std::optional<std::string> save_file_dialog(std::string_view filter) override;
    std::optional<SaveChoice> save_file_choosing(std::string_view filters) override;
    void show(Form& form, bool modal) override { inner_.show(form, modal); }
    void closed(Form& form) override { inner_.closed(form); }
    int64_t now_ms() override { return inner_.now_ms(); }
    void quit() override { inner_.quit(); }
    void note(std::string_view text) override { inner_.note(text); }
    void settings_file_used(std::string_view path) override { inner_.settings_file_used(path); }
    std::string tick_scheduling() const override { return inner_.tick_scheduling(); }

    bool diverting() const { return prompts_ != nullptr; }

  private:
    std::optional<std::string> take_file_answer();

    Host& inner_;
    Prompts* prompts_ = nullptr;
};

} // namespace zqf::remote
