#pragma once

#include "core/state/shared_state.h"
#include "remote/diverting_host.h"

#include <memory>
#include <string>
#include <vector>

namespace zqf {
class Form;
class Program;
} // namespace zqf

namespace zqf::remote {

// One remote change of the panel, all or nothing. While it lives, words are
// held back from the link and every beep or message box is kept. finish()
// then either sends the held words (nothing was said) or puts the shared
// state and the main window's controls back as they were, drops the held
// words and closes the hidden windows the change opened (something was
// said: the change was refused). The chip never sees half of a change.
class PanelChange {
  public:
    PanelChange(Program& program, DivertingHost& host);
    ~PanelChange();
    PanelChange(const PanelChange&) = delete;
    PanelChange& operator=(const PanelChange&) = delete;

    // The file a dialog opened by the change is answered with.
    void answer_file_dialog(std::string path) { prompts_.file_answer = std::move(path); }

    // Ends the change; returns what was said, refused() when it was refused.
    // Without a call, the destructor refuses the change.
    const Prompts& finish();
    // Refuses the change whatever was said (a check after the handlers failed).
    void refuse();

  private:
    struct ControlState;
    void roll_back();

    Program& program_;
    DivertingHost& host_;
    Prompts prompts_;
    std::unique_ptr<DivertingHost::Diversion> diversion_;
    SharedState state_;
    Form* main_;
    std::vector<ControlState> controls_;
    std::string main_caption_;
    std::vector<Form*> forms_before_;
    bool finished_ = false;
};

} // namespace zqf::remote
