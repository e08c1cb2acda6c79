#pragma once

#include "core/ui/form.h"
#include "core/windows/names/forms.h"

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
    // Below the body, never scrolled away: a status line, the foot buttons.
    QWidget* footer = nullptr;
    // The button that Return presses wherever the focus is in the window.
    std::string main_button{};
    // A window beside the panel, not a dialog, that Escape closes all the same.
    bool escape_closes = false;
    // A window that stays open beside the panel: it opens beside it, where
    // the screen has room.
    bool beside_panel = false;
};

// Builds the widgets of one form as children of `window`. A view reads the
// form only to learn which controls it has; it keeps nothing.
using ViewFactory = std::function<ViewParts(const Form& form, QWidget& window)>;

// Which view shows which window. Every window of the program has a view of
// its own (the tests hold the registry to that); anything else, a window made
// up by a test, gets the generic one.
class ViewRegistry {
  public:
    // `main_button`: the button Return presses in the window, if any.
    void add(FormId form, ViewFactory factory, std::string_view main_button = {});
    bool has(FormId form) const;
    ViewParts build(const Form& form, QWidget& window) const;

  private:
    struct Entry {
        ViewFactory factory;
        std::string main_button{};
    };
    std::map<std::string, Entry, std::less<>> factories_;
};

} // namespace zqf::qt
