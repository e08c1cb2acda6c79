#pragma once

#include "qt/host/view_registry.h"

#include <vector>

class QGroupBox;
class QLayout;
class QMenuBar;
class QWidget;

namespace zqf {
class MainForm;
}

namespace zqf::qt {

// The pieces of the main window's view, each built with its widgets as
// children of `parent`. Rows that have a caption of their own but must go
// with a field are added to `follow`.
QMenuBar* build_main_menus(QWidget& window);
QWidget* build_main_header(QWidget* parent);
QGroupBox* build_rf_section(QWidget* parent, std::vector<VisibleWhile>& follow);
QWidget* build_if_sections(QWidget* parent, std::vector<VisibleWhile>& follow);
QWidget* build_common_sections(QWidget* parent, std::vector<VisibleWhile>& follow);
QWidget* build_tool_buttons(QWidget* parent);
QWidget* build_register_table(QWidget* parent, std::vector<VisibleWhile>& follow);
QWidget* build_update_indicators(QWidget* parent);
// The status line below the panel's body (never scrolled away).
QWidget* build_status_line(const MainForm& form, QWidget& window);

// A widget inside a wrapper of its own, so the wrapper can follow another
// control's visibility while the widget follows its own.
QWidget* wrap(QWidget* parent, QWidget* inner);

} // namespace zqf::qt
