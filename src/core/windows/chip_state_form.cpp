#include "core/windows/chip_state_form.h"

#include "core/windows/program.h"

#include "core/windows/names/chip_state_controls.h"
#include "core/windows/names/forms.h"
#include <mutex>

namespace zqf {

ChipStateForm::ChipStateForm(Program& program)
    : Form(program, std::string(form_name(FormId::chip_state)), "Chip State"), program_(program) {
    button(chip_state_controls::cmdClose, "&Close").on_click = [this] { close(); };
}

ChipReport chip_state(Program& program) {
    RegisterWords words{};
    for (int index = 0; index < static_cast<int>(words.size()); ++index) {
        words[static_cast<std::size_t>(index)] = program.chip_word(index);
    }
    return chip_report(program.state(), words);
}

ChipReport ChipStateForm::report() const {
    const std::scoped_lock hold(program_.host().model_lock());
    return chip_state(program_);
}

} // namespace zqf
