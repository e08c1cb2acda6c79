#pragma once

#include "core/ui/observable.h"

namespace zqf {

class MainForm;
class Program;

// The panel's Board menu: the windows that watch the board beside the panel,
// and the recording of the bus, with what the menu shows of it.
class BoardMenu {
  public:
    // Creates the menu's entries on the panel.
    BoardMenu(MainForm& panel, Program& program);
    ~BoardMenu();
    BoardMenu(const BoardMenu&) = delete;
    BoardMenu& operator=(const BoardMenu&) = delete;

    // Ends the program once a recording under way has its file.
    void end_program();

  private:
    void mnuRecordBus_Click();
    void mnuStopRecording_Click();
    void sync();

    MainForm& panel_;
    Program& program_;
    Subscription remote_watch_;
};

} // namespace zqf
