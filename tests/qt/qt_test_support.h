#pragma once

#include "core/windows/program.h"
#include "core/windows/program_fixture.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"
#include "qt/host/qt_host.h"

#include <QTemporaryDir>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace zqf::qt::test {

// Dialogs answered from the test: messages are recorded, file dialogs give
// the prepared answer. Notes whether the host had paused its timers.
class ScriptedDialogs final : public Dialogs {
  public:
    struct Message {
        MessageIcon icon;
        QString title;
        QString text;
        bool timers_paused;
        QWidget* parent; // the window the box belongs to
    };
    struct Record {
        std::vector<Message> messages;
        std::vector<QString> filters;
        std::optional<QString> file_answer;
        const QtHost* host = nullptr;
        // Runs as a message box opens, to look at the windows beneath it.
        std::function<void()> on_open;
    };

    explicit ScriptedDialogs(Record& record) : record_(record) {}
    void message_box(QWidget*, MessageIcon icon, const QString& title,
                     const QString& text) override;
    std::optional<QString> open_file(QWidget*, const QString& filter) override;
    std::optional<QString> save_file(QWidget*, const QString& filter) override;

  private:
    Record& record_;
};

// The desktop program on a virtual board, as zqfeval --virtual runs it, with
// its link-choice file in a fresh folder.
struct GuiSession {
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    QWidget& window(const char* form) const;
    QWidget& widget(const char* form, const char* name) const;
    // A left click in the middle of the named widget, as a user makes it.
    void click(const char* form, const char* name) const;
    // Start window: device option, parallel port, OK.
    void confirm(const char* device_option) const;

    QTemporaryDir folder;
    ScriptedDialogs::Record dialogs;
    QtHost host;
    VirtualBoard board;
    Program program;
    bool quit = false;
};

// The desktop program beside the same program driven straight through the
// control models, as the bench-script runner drives it, given the same actions:
// the models are the reference the screen must match.
struct Twin {
    explicit Twin(const char* device_option);
    void click(const char* form, const char* name);
    // Replaces the text of a box key by key, as a user retypes it.
    void retype(const char* form, const char* box, const QString& text);
    // Both programs have the form open or not, and agree on it, the main
    // window, the device and the board.
    void compare(const char* form);

    GuiSession gui;
    zqf::testing::ProgramBench model;
};

// Every property of every control of a form, by "control.property".
std::map<std::string, std::string> snapshot(const Form& form);
// The words latched in the board's registers.
std::vector<std::optional<uint32_t>> latched_words(const VirtualBoard& board);
// Frees the windows the host has let go.
void flush_deleted();
// The window fits a 1280 x 800 screen with room for its title bar.
void check_fits(const QWidget& window);

} // namespace zqf::qt::test
