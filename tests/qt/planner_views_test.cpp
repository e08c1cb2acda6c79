// The planning windows on screen: each control has its widget, and typing and
// clicking in the widgets leaves the program where the same actions through
// the models leave it.
#include "core/windows/main_form.h"
#include "qt/binder/binder.h"
#include "qt_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace zqf::qt {

namespace {

// Replaces the text of a box key by key, as a user retypes it, and the same
// keys in the model.
void retype(test::GuiSession& gui, test::ModelSession& model, const char* form, const char* box,
            const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(&gui.widget(form, box));
    QVERIFY(edit != nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    auto& model_box = model.program.find(form)->get<TextBox>(box);
    for (qsizetype n = 1; n <= text.size(); ++n) {
        model_box.user_type(text.left(n).toStdString());
    }
}

void compare(test::GuiSession& gui, test::ModelSession& model, const char* form) {
    const Form* shown = gui.program.find(form);
    const Form* reference = model.program.find(form);
    QCOMPARE(shown == nullptr, reference == nullptr);
    if (shown != nullptr) {
        QVERIFY(test::snapshot(*shown) == test::snapshot(*reference));
    }
    QVERIFY(test::snapshot(*gui.program.main_form()) == test::snapshot(*model.program.main_form()));
    QVERIFY(test::latched_words(gui.board) == test::latched_words(model.board));
}

void check_window(test::GuiSession& gui, const char* form) {
    const Form* model = gui.program.find(form);
    QVERIFY(model != nullptr);
    QVERIFY(gui.host.binder_of(*model)->unshown_controls().empty());
    const QSize size = gui.window(form).sizeHint();
    QVERIFY2(size.width() <= 1280 && size.height() <= 760,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
}

} // namespace

class PlannerViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void every_planning_window_has_its_widgets() {
        test::GuiSession gui;
        gui.confirm("Option6");
        gui.click("Main", "vcofreq");
        check_window(gui, "synthform");
        gui.click("synthform", "Command2");
        gui.click("Main", "ifvcofreq");
        check_window(gui, "synthformIF");
        gui.click("synthformIF", "Command2");
        gui.click("Main", "Label42");
        check_window(gui, "crystalform");
        gui.click("crystalform", "Command2");
        test::flush_deleted();

        test::GuiSession four;
        four.confirm("Option2");
        four.click("Main", "Toggle32");
        check_window(four, "fastlockform");
    }

    void planning_and_stepping_on_screen_match_the_model() {
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm("Option1");
        model.confirm("Option1");
        gui.window("Main").findChild<QAction*>("synthmenu")->trigger();
        model.click("Main", "synthmenu");
        retype(gui, model, "synthform", "Text1", "1750.4");
        retype(gui, model, "synthform", "Text3", "100");
        for (const char* button : {"Command3", "Command8", "Command11", "Command4", "Toggle1"}) {
            gui.click("synthform", button);
            model.click("synthform", button);
            compare(gui, model, "synthform");
        }
        // A limit warning reaches the screen with its icon and title, and the
        // focus goes to the reference entry.
        retype(gui, model, "synthform", "Text4", "40");
        gui.click("synthform", "Command3");
        model.click("synthform", "Command3");
        compare(gui, model, "synthform");
        QVERIFY(!gui.dialogs.messages.empty());
        const auto& warning = gui.dialogs.messages.back();
        QCOMPARE(warning.icon, MessageIcon::exclamation);
        QCOMPARE(warning.title, QString("Norvik Evaluation Software"));
        QCOMPARE(warning.text,
                 QString("Invalid entry in PFD Comparison Frequency. (Fmax = 32MHz)"));
        QCOMPARE(gui.window("synthform").focusWidget(), &gui.widget("synthform", "Text4"));
    }

    void the_if_planner_on_screen_matches_the_model() {
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm("Option6");
        model.confirm("Option6");
        gui.click("Main", "ifref_freq");
        model.click("Main", "ifref_freq");
        for (const char* button : {"Command3", "Command4", "Command1"}) {
            gui.click("synthformIF", button);
            model.click("synthformIF", button);
            compare(gui, model, "synthformIF");
        }
        QCOMPARE(qobject_cast<QLineEdit*>(&gui.widget("synthformIF", "Text1"))->text(),
                 QString("540.20000"));
    }

    void the_reference_and_fast_lock_windows_match_the_model() {
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm("Option2");
        model.confirm("Option2");
        gui.click("Main", "Label42");
        model.click("Main", "Label42");
        retype(gui, model, "crystalform", "Text1", "20");
        gui.click("crystalform", "Command1");
        model.click("crystalform", "Command1");
        compare(gui, model, "crystalform");
        test::flush_deleted();

        gui.click("Main", "Toggle32");
        model.click("Main", "Toggle32");
        retype(gui, model, "fastlockform", "Text1", "100");
        compare(gui, model, "fastlockform");
        QCOMPARE(qobject_cast<QLineEdit*>(&gui.widget("fastlockform", "BWinterval"))->text(),
                 QString("10"));
        gui.click("fastlockform", "Command3");
        model.click("fastlockform", "Command3");
        compare(gui, model, "fastlockform");
        QCOMPARE(gui.program.find("fastlockform"), nullptr);
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::PlannerViewsTest)
#include "planner_views_test.moc"
