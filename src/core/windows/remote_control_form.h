#pragma once

#include "core/ui/form.h"
#include "core/windows/remote_service.h"

namespace zqf {

class Program;

// Board > Remote Control...: starts and stops the instrument, shows where it
// listens, who is connected and the last remote commands with their errors.
// It stays open beside the panel, which remains usable; while a client is
// connected it shows "Remote", as the main window does.
class RemoteControlForm final : public Form {
  public:
    explicit RemoteControlForm(Program& program);

    void load() override;

    // The instrument, or nullptr where the surroundings offer none.
    RemoteService* service() const;

  private:
    void cmdStart_Click();
    void cmdStop_Click();
    // Brings the captions and the enabled buttons in line with the service.
    void show_service();

    Program& program_;
    Subscription watch_;
};

} // namespace zqf
