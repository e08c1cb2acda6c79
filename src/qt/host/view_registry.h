#pragma once

#include "core/ui/form.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QMenuBar;
class QWidget;

namespace zqf::qt {

// A widget with no control of its own (a table row, a caption with its field)
// that is shown only while the named control is visible.
struct VisibleWhile {
    QWidget* widget;
    std::string control;
};

// What a view builds inside its window: the widgets, each named after the
// control it shows.
struct ViewParts {
    QWidget* body = nullptr;
    QMenuBar* menu_bar = nullptr;
    std::vector<VisibleWhile> follow;
    // A window that may be larger than the screen: its body scrolls, and it
    // opens within the screen where it was last time.
    bool scrolls = false;
};

// Builds the widgets of one form as children of `window`. A view reads the
// form only to learn which controls it has; it keeps nothing.
using ViewFactory = std::function<ViewParts(const Form& form, QWidget& window)>;

// Which view shows which form, by form name. A form without a view of its
// own gets the generic one.
class ViewRegistry {
  public:
    void add(std::string form_name, ViewFactory factory);
    bool has(std::string_view form_name) const;
    ViewParts build(const Form& form, QWidget& window) const;

  private:
    std::map<std::string, ViewFactory, std::less<>> factories_;
};

} // namespace zqf::qt
