#pragma once

#include "qt/host/view_registry.h"

namespace zqf::qt {

// A view for any form: every control in the order the form made them, in a
// grid of three columns; a frame starts a new row under its caption as a
// heading, menu entries become a menu bar. Makes a form that has no view of
// its own usable.
ViewParts build_generic_view(const Form& form, QWidget& window);

} // namespace zqf::qt
