#include "core/windows/help_form.h"

#include "core/windows/names/about_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/help_controls.h"
#include "core/windows/program.h"

namespace zqf {

HelpForm::HelpForm(Program& program)
    : Form(program, std::string(form_name(FormId::help)),
           "Some Notes on how the software interfaces with the PLL.") {
    label(help_controls::Label1, "Notes On Programming:");
    label(help_controls::Label2,
          "The PLL does not receive any new data until one of the update buttons at "
          "the bottom centre of the main window is clicked.");
    label(help_controls::Label3, "ZQF7310 and ZQF7320");
    label(help_controls::Label4, "There are 2 ways that the user may to program the part:");
    label(help_controls::Label5, "1. Update all 4 registers by clicking \"Update All Registers\".");
    label(help_controls::Label6,
          "2. Update only the register that has changed by clicking its own update "
          "button. When a parameter of a register changes, its update button turns "
          "bright blue.");
    label(help_controls::Label7, "ZQF7610 and ZQF7620");
    label(help_controls::Label8, "There are 3 ways that the user may to program the part:");
    label(help_controls::Label9, "1. Update all 7 registers by clicking \"Update All Registers\".");
    label(help_controls::Label10,
          "2. Update only the register that has changed by clicking its own update "
          "button, which turns bright blue when a parameter of that register changes.");
    label(help_controls::Label11,
          "3. A user who works with the RF section only, and wants the IF section to "
          "stay powered down, clicks \"Update All RF Registers\", which writes only "
          "the RF registers. \"Update All IF Registers\" does the same for the IF "
          "section.");
    button(help_controls::Command1, "Understood. Return to Main Window.").on_click = [this] {
        close();
    };
}

AboutForm::AboutForm(Program& program)
    : Form(program, std::string(form_name(FormId::about)), "Who's behind this software") {
    label(about_controls::Label1, "Rev 3.0");
    label(about_controls::Label3, "13 Mar 2007");
    label(about_controls::Label4,
          "This Software is an evaluation tool for the Norvik ZQF7xx0  Fractional -N "
          "frequency synthesizers.");
    label(about_controls::Label2,
          "Linux edition and bench-script runner by the zqfeval maintainers.");
    // How the desktop keeps the exercisers' timing: a bench user measuring
    // lock times wants to know.
    const std::string timing = program.host().tick_scheduling();
    label(about_controls::tick_timing, timing).set_visible(!timing.empty());
    button(about_controls::Command1, "OK").on_click = [this] { close(); };
}

} // namespace zqf
