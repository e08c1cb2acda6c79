#include "qt_test_support.h"

#include "qt/views/views.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include <stdexcept>

namespace zqf::qt::test {

void ScriptedDialogs::message_box(QWidget*, MessageIcon icon, const QString& title,
                                  const QString& text) {
    const bool paused = record_.host != nullptr && record_.host->timers_paused();
    record_.messages.push_back({icon, title, text, paused});
}

std::optional<QString> ScriptedDialogs::open_file(QWidget*, const QString& filter) {
    record_.filters.push_back(filter);
    return record_.file_answer;
}

std::optional<QString> ScriptedDialogs::save_file(QWidget*, const QString& filter) {
    record_.filters.push_back(filter);
    return record_.file_answer;
}

namespace {

std::string choice_file(const QTemporaryDir& folder) {
    return folder.filePath(QStringLiteral("comms_option.txt")).toStdString();
}

} // namespace

GuiSession::GuiSession()
    : host(default_views(), std::make_unique<ScriptedDialogs>(dialogs)),
      board([this] { return chip_geometry(program_ptr->state().device_name); }),
      program(host, board, {folder.path().toStdString(), choice_file(folder)}) {
    program_ptr = &program;
    dialogs.host = &host;
    host.attach(program);
    host.set_quit([this] { quit = true; });
    program.start();
}

GuiSession::~GuiSession() {
    program.end();
    flush_deleted();
}

QWidget& GuiSession::window(const char* form) const {
    Form* model = program.find(form);
    QWidget* window = model != nullptr ? host.window_of(*model) : nullptr;
    if (window == nullptr) {
        throw std::runtime_error(std::string("no window for ") + form);
    }
    return *window;
}

QWidget& GuiSession::widget(const char* form, const char* name) const {
    auto* widget = window(form).findChild<QWidget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::runtime_error(std::string("no widget ") + name + " in " + form);
    }
    return *widget;
}

void GuiSession::click(const char* form, const char* name) const {
    QWidget& target = widget(form, name);
    QTest::mouseClick(&target, Qt::LeftButton, {}, target.rect().center());
}

void GuiSession::confirm(const char* device_option) const {
    click("deviceform", device_option);
    click("deviceform", "option_par");
    click("deviceform", "Command1");
}

ModelSession::ModelSession()
    : board([this] { return chip_geometry(program_ptr->state().device_name); }),
      program(host, board, {folder.path().toStdString(), choice_file(folder)}) {
    program_ptr = &program;
    program.start();
}

void ModelSession::click(const char* form, const char* name) {
    program.find(form)->find(name)->user_click();
    program.collect();
}

void ModelSession::confirm(const char* device_option) {
    click("deviceform", device_option);
    click("deviceform", "option_par");
    click("deviceform", "Command1");
}

std::map<std::string, std::string> snapshot(const Form& form) {
    static constexpr const char* properties[] = {
        "",      "caption", "text",  "visible", "enabled", "tooltip",    "color",
        "value", "index",   "count", "labels",  "state",   "background", "interval"};
    std::map<std::string, std::string> out;
    for (const auto& control : form.controls()) {
        for (const char* property : properties) {
            if (const auto value = control->property(property)) {
                out[control->name() + "." + property] = *value;
            }
        }
    }
    out["form.caption"] = form.caption();
    out["form.focus"] = form.focus();
    return out;
}

std::vector<std::optional<uint32_t>> latched_words(const VirtualBoard& board) {
    std::vector<std::optional<uint32_t>> out;
    for (int i = 0; i < 8; ++i) {
        out.push_back(board.latched(i));
    }
    return out;
}

void flush_deleted() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace zqf::qt::test
