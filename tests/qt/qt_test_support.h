#pragma once

#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"
#include "qt/host/qt_host.h"

#include <QTemporaryDir>

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
    };
    struct Record {
        std::vector<Message> messages;
        std::vector<QString> filters;
        std::optional<QString> file_answer;
        const QtHost* host = nullptr;
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
    Program* program_ptr = nullptr;
    VirtualBoard board;
    Program program;
    bool quit = false;
};

// The same program driven straight through the control models, as the bench
// script runner drives it: the reference the desktop program must match.
struct ModelSession {
    ModelSession();
    void click(const char* form, const char* name);
    void confirm(const char* device_option);

    class QuietHost final : public Host {
      public:
        void message_box(MessageIcon, std::string_view, std::string_view) override {}
        void beep() override {}
        std::optional<std::string> open_file_dialog(std::string_view) override { return {}; }
        std::optional<std::string> save_file_dialog(std::string_view) override { return {}; }
        void show(Form&, bool) override {}
        void closed(Form&) override {}
        int64_t now_ms() override { return 0; }
        void quit() override {}
    };

    QTemporaryDir folder;
    QuietHost host;
    Program* program_ptr = nullptr;
    VirtualBoard board;
    Program program;
};

// Every property of every control of a form, by "control.property".
std::map<std::string, std::string> snapshot(const Form& form);
// The words latched in the board's registers.
std::vector<std::optional<uint32_t>> latched_words(const VirtualBoard& board);
// Frees the windows the host has let go.
void flush_deleted();

} // namespace zqf::qt::test
