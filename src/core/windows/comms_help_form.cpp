#include "core/windows/comms_help_form.h"

#include "core/windows/program.h"

namespace zqf {

CommsHelpForm::CommsHelpForm(Program& program)
    : Form(program, "comms_help_form", "Communications Help") {
    frame("Frame1", "Help");
    label("Label4", "If there is no parallel port on the PC, or the parallel port does not work, a "
                    "USB adapter board can be ordered from the Norvik website.");
    label("Label3", "The adapter board will interface from the PC to the EVAL board via the USB "
                    "port. Select \"USB\" in the dialog box in order to communicate via the USB "
                    "adapter board.");
    button("Command1", "Close").on_click = [this] { close(); };
}

} // namespace zqf
