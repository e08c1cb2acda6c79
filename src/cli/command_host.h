#pragma once

#include "core/ui/host.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zqf::cli {

// The surroundings of a command that runs the program without a script
// (export, write): nothing is shown, message boxes are kept for the command
// to report, and the open dialog is answered with the file the command names.
class CommandHost final : public Host {
  public:
    explicit CommandHost(std::ostream& notes) : notes_(notes) {}

    void message_box(MessageIcon icon, std::string_view title, std::string_view text) override;
    void beep() override {}
    std::optional<std::string> open_file_dialog(std::string_view filter) override;
    std::optional<std::string> save_file_dialog(std::string_view) override { return {}; }
    void show(Form&, bool) override {}
    void closed(Form&) override {}
    int64_t now_ms() override { return 0; }
    void quit() override {}
    void note(std::string_view text) override { notes_ << "note: " << text << '\n'; }
    void settings_file_used(std::string_view) override {}
    std::string tick_scheduling() const override { return {}; }

    // The file the next open dialog gives.
    void answer_open_dialog(std::string path) { open_answer_ = std::move(path); }
    // The message boxes shown since the last call, each as one line.
    std::vector<std::string> take_messages();

  private:
    std::ostream& notes_;
    std::optional<std::string> open_answer_;
    std::vector<std::string> messages_;
};

} // namespace zqf::cli
