#pragma once

namespace zqf {

class MainForm;
class Program;

// The panel's three noise-and-spur modes of the sigma-delta modulator.
class NoiseModes {
  public:
    // Creates the modes' buttons on the panel.
    NoiseModes(MainForm& panel, Program& program);

  private:
    // Stores the pattern of the mode selected and draws the captions.
    void noise_mode();
    void noise_option_click(int option);

    MainForm& panel_;
    Program& program_;
};

} // namespace zqf
