#pragma once

namespace zqf {

class MainForm;
class Program;

// File > Export Registers...: the words a full write would send now, saved in
// the format of the filter chosen.
class ExportMenu {
  public:
    // Creates the menu entry on the panel.
    ExportMenu(MainForm& panel, Program& program);

  private:
    void mnuExport_Click();

    Program& program_;
};

} // namespace zqf
