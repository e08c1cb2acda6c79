#pragma once

#include "core/ui/host.h"

#include <chrono>
#include <ostream>

namespace zqf::cli {

// The surroundings of the program under `zqfctl serve`: nothing is shown,
// time is real, and whatever the program says outside a remote command (a
// message of its own accord) is noted on the diagnostics stream. Remote
// commands never get here: the instrument's diverting host keeps what they say.
class ServeHost final : public Host {
  public:
    explicit ServeHost(std::ostream& notes) : notes_(notes) {}

    void message_box(MessageIcon icon, std::string_view title, std::string_view text) override;
    void beep() override {}
    std::optional<std::string> open_file_dialog(std::string_view) override { return {}; }
    std::optional<std::string> save_file_dialog(std::string_view) override { return {}; }
    void show(Form&, bool) override {}
    void closed(Form&) override {}
    int64_t now_ms() override;
    void quit() override { ended_ = true; }
    void note(std::string_view text) override { notes_ << "note: " << text << '\n'; }
    void settings_file_used(std::string_view) override {}
    std::string tick_scheduling() const override { return {}; }

    bool ended() const { return ended_; }

  private:
    std::ostream& notes_;
    const std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    bool ended_ = false;
};

} // namespace zqf::cli
