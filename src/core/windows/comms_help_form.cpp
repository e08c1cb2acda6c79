#include "core/windows/comms_help_form.h"

#include "core/windows/names/comms_help_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/program.h"

namespace zqf {

CommsHelpForm::CommsHelpForm(Program& program)
    : Form(program, std::string(form_name(FormId::comms_help)), "Communications Help") {
    frame(comms_help_controls::Frame1, "Help");
    label(comms_help_controls::Label4,
          "If there is no parallel port on the PC, or the parallel port does not work, a "
          "USB adapter board can be ordered from the Norvik website.");
    label(comms_help_controls::Label3,
          "The adapter board will interface from the PC to the EVAL board via the USB "
          "port. Select \"USB\" in the dialog box in order to communicate via the USB "
          "adapter board.");
    button(comms_help_controls::Command1, "Close").on_click = [this] { close(); };
}

} // namespace zqf
