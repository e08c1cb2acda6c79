#include "qt_test_support.h"

#include "qt/views/views.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <stdexcept>

namespace zqf::qt::test {

void ScriptedDialogs::message_box(QWidget* parent, MessageIcon icon, const QString& title,
                                  const QString& text) {
    if (record_.on_open) {
        record_.on_open();
    }
    const bool paused = record_.host != nullptr && record_.host->timers_paused();
    record_.messages.push_back({icon, title, text, paused, parent});
}

std::optional<QString> ScriptedDialogs::open_file(QWidget*, const QString& filter) {
    record_.filters.push_back(filter);
    return record_.file_answer;
}

std::optional<QString> ScriptedDialogs::save_file(QWidget* parent, const QString& filter) {
    return open_file(parent, filter);
}

namespace {

std::string choice_file(const QTemporaryDir& folder) {
    return folder.filePath(QStringLiteral("comms_option.txt")).toStdString();
}

} // namespace

GuiSession::GuiSession()
    : host(default_views(), std::make_unique<ScriptedDialogs>(dialogs)),
      board([this] { return chip_geometry(program.state().device_name); }),
      program(host, board, {folder.path().toStdString(), choice_file(folder)}) {
    dialogs.host = &host;
    host.attach(program);
    host.set_quit([this] { quit = true; });
    host.run([this] { program.start(); });
}

GuiSession::~GuiSession() {
    host.run([this] { program.end(); });
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

Twin::Twin(const char* device_option) {
    gui.confirm(device_option);
    model.confirm(device_option);
}

void Twin::click(const char* form, const char* name) {
    gui.click(form, name);
    model.click(form, name);
}

void Twin::retype(const char* form, const char* box, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(&gui.widget(form, box));
    QVERIFY(edit != nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    auto& model_box = model.control<TextBox>(form, box);
    for (qsizetype n = 1; n <= text.size(); ++n) {
        model_box.user_type(text.left(n).toStdString());
    }
}

void Twin::compare(const char* form) {
    QCOMPARE(gui.program.find(form) == nullptr, model.program.find(form) == nullptr);
    for (const char* name : {form, "Main"}) {
        const Form* shown = gui.program.find(name);
        if (shown == nullptr) {
            continue;
        }
        const auto a = snapshot(*shown);
        const auto b = snapshot(*model.program.find(name));
        for (const auto& [key, value] : b) {
            const auto it = a.find(key);
            QVERIFY2(it != a.end() && it->second == value,
                     (std::string(name) + "." + key + ": on screen " +
                      (it == a.end() ? "-" : it->second) + ", in the model " + value)
                         .c_str());
        }
        QCOMPARE(a.size(), b.size());
    }
    QVERIFY(gui.program.state().device_name == model.program.state().device_name);
    QVERIFY(latched_words(gui.board) == latched_words(model.board));
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

void check_fits(const QWidget& window) {
    const QSize size = window.sizeHint();
    QVERIFY2(size.width() <= 1280 && size.height() <= 760,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
}

void flush_deleted() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace zqf::qt::test
