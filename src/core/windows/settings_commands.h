#pragma once

#include <string>

namespace zqf {

class MainForm;
class Program;

// File > Get Settings and Save Settings, and the Save Settings button: the
// whole panel to and from a file, named in the title bar once used.
class SettingsCommands {
  public:
    // Attaches the handlers to the panel's entries.
    SettingsCommands(MainForm& panel, Program& program);

  private:
    void mnuGet_Click();
    void mnuSave_Click();
    void show_settings_file(const std::string& path);

    MainForm& panel_;
    Program& program_;
};

} // namespace zqf
