#pragma once

#include "core/ui/host.h"

namespace zqf {

// A host for a program no one watches (benchmarks, fuzzing): nothing is
// shown, every dialog is cancelled, notes go nowhere. Its clock stands still,
// or with `ticking` moves on 1 ms each time it is read.
class QuietHost final : public Host {
  public:
    explicit QuietHost(bool ticking = false) : ticking_(ticking) {}

    void message_box(MessageIcon, std::string_view, std::string_view) override {}
    void beep() override {}
    std::optional<std::string> open_file_dialog(std::string_view) override { return {}; }
    std::optional<std::string> save_file_dialog(std::string_view) override { return {}; }
    void show(Form&, bool) override {}
    void closed(Form&) override {}
    int64_t now_ms() override { return ticking_ ? ++now_ : now_; }
    void quit() override {}
    void note(std::string_view) override {}
    void settings_file_used(std::string_view) override {}
    std::string tick_scheduling() const override { return {}; }

  private:
    const bool ticking_;
    int64_t now_ = 0;
};

} // namespace zqf
