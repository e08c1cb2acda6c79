// The program's windows on screen: each control has its widget, a click or a
// key on a real widget leaves the program exactly where the same action
// through the models leaves it, and every model change shows in the widgets.
#include "core/windows/main_form.h"
#include "qt/binder/binder.h"
#include "qt/views/views.h"
#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"
#include "qt_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace zqf::qt {

namespace {

const char* const devices[][2] = {
    {"Option1", "ZQF7310"}, {"Option2", "ZQF7320"}, {"Option4", "ZQF7340"},
    {"Option5", "ZQF7350"}, {"Option3", "ZQF7610"}, {"Option6", "ZQF7620"},
};

// Every control but those left out has its widget, and the window fits.
void check_window(const test::GuiSession& gui, const char* form,
                  const std::vector<std::string>& left_out = {}) {
    const Form* model = gui.program.find(form);
    QVERIFY2(model != nullptr, form);
    QCOMPARE(gui.host.binder_of(*model)->unshown_controls(), left_out);
    test::check_fits(gui.window(form));
}

// Each bound widget is hidden exactly when its control is.
void check_visibility(const test::GuiSession& gui, const char* form_name) {
    const Form& form = *gui.program.find(form_name);
    const Binder& binder = *gui.host.binder_of(form);
    for (const auto& control : form.controls()) {
        auto* widget = qobject_cast<QWidget*>(binder.target_of(control->name()));
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            QCOMPARE(menu->menuAction()->isVisible(), control->visible());
            continue;
        }
        if (widget == nullptr) {
            continue;
        }
        QVERIFY2(widget->isHidden() == !control->visible(), control->name().c_str());
        QVERIFY2(widget->isEnabled() == control->enabled() || !widget->parentWidget()->isEnabled(),
                 control->name().c_str());
    }
}

} // namespace

class ViewsTest : public QObject {
    Q_OBJECT

  private slots:
    // A window left out of the registry would be drawn by the generic view.
    void every_window_of_the_program_has_a_view_of_its_own() {
        const ViewRegistry views = default_views();
        for (const FormRow& row : form_rows) {
            QVERIFY2(views.has(row.id), std::string(row.name).c_str());
        }
    }

    void every_window_has_its_widgets() {
        test::GuiSession gui;
        check_window(gui, "deviceform");
        gui.click("deviceform", "Command2");
        check_window(gui, "comms_help_form");
        gui.confirm("Option6");
        // The second heading of the register table says what the first one says.
        check_window(gui, "Main", {"Label35"});
        gui.window("Main").findChild<QAction*>("mnuProg")->trigger();
        check_window(gui, "helpform");
        gui.click("helpform", "Command1");
        gui.window("Main").findChild<QAction*>("aboutmenu")->trigger();
        check_window(gui, "aboutform");
        gui.click("aboutform", "Command1");
        const std::pair<const char*, const char*> planners[] = {
            {"vcofreq", "synthform"}, {"ifvcofreq", "synthformIF"}, {"Label42", "crystalform"}};
        for (const auto& [door, planner] : planners) {
            gui.click("Main", door);
            check_window(gui, planner);
            gui.click(planner, "Command2");
        }
        test::flush_deleted();

        test::GuiSession four;
        four.confirm("Option2");
        four.click("Main", "Toggle32");
        check_window(four, "fastlockform");
        four.click("fastlockform", "Command2");
        for (const auto& [door, exerciser] :
             {std::pair{"Command9", "sweepform"}, std::pair{"Command11", "locktime"}}) {
            four.click("Main", door);
            check_window(four, exerciser);
            four.click(exerciser, "Command2");
        }
        test::flush_deleted();

        test::GuiSession five;
        five.confirm("Option4");
        five.click("Main", "command14");
        check_window(five, "spur_opt");
    }

    void every_auxiliary_window_has_its_widgets() {
        test::GuiSession dual;
        dual.confirm("Option6");
        const std::pair<const char*, const char*> doors[] = {{"Command6", "testform"},
                                                             {"Command3", "iftestform"},
                                                             {"currentsetting1", "current1form"},
                                                             {"Label6", "current2form"},
                                                             {"Command2", "dualpowerform"},
                                                             {"Command1", "dualmuxform"}};
        for (const auto& [door, window] : doors) {
            dual.click("Main", door);
            check_window(dual, window);
            dual.click(window, "Command2");
        }
        const std::pair<const char*, const char*> single[] = {{"Option2", "currentform7310"},
                                                              {"Option5", "currentform7340"}};
        for (const auto& [device, window] : single) {
            test::GuiSession gui;
            gui.confirm(device);
            gui.click("Main", "Label6");
            check_window(gui, window);
        }
        test::flush_deleted();
    }

    // ---- the start window and the main panel ----------------------------------

    void picking_a_device_and_confirming_matches_the_model_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("device");
        for (const auto& [option, device] : devices) {
            QTest::newRow(device) << QString(option) << QString(device);
        }
    }
    void picking_a_device_and_confirming_matches_the_model() {
        QFETCH(QString, option);
        QFETCH(QString, device);
        test::Twin twin(option.toLatin1().constData());
        twin.compare("Main");
        check_visibility(twin.gui, "Main");
        QWidget& main = twin.gui.window("Main");
        QCOMPARE(main.findChild<QLabel*>("Device")->text(), device);
        // The update indicators are drawn as such (the binder tests show a
        // switch's state and caption).
        for (const char* name : {"Toggle19", "Toggle22", "Toggle26", "Toggle30"}) {
            QVERIFY(main.findChild<SwitchButton*>(name)->is_indicator());
        }
        test::check_fits(main);
    }

    void return_confirms_the_start_window_and_close_ends_its_help() {
        test::GuiSession gui;
        gui.click("deviceform", "Command2");
        gui.click("comms_help_form", "Command1");
        QCOMPARE(gui.program.find("comms_help_form"), nullptr);
        // Escape closes it too, though it is no dialog.
        gui.click("deviceform", "Command2");
        QTest::keyClick(&gui.window("comms_help_form"), Qt::Key_Escape);
        QCOMPARE(gui.program.find("comms_help_form"), nullptr);

        // Return on a device option, as a user who has just picked one presses it.
        gui.click("deviceform", "Option5");
        gui.click("deviceform", "option_par");
        QTest::keyClick(&gui.widget("deviceform", "Option5"), Qt::Key_Return);
        QVERIFY(gui.program.main_form() != nullptr);
        QCOMPARE(gui.program.state().device_name, std::string("ZQF7350"));
        QCOMPARE(gui.program.find("deviceform"), nullptr);
    }

    void an_indicator_click_writes_as_in_the_model() {
        test::Twin twin("Option4");
        twin.click("Main", "Toggle19");
        twin.compare("Main");
        QWidget& main = twin.gui.window("Main");
        auto* indicator = main.findChild<SwitchButton*>("Toggle19");
        QVERIFY(!indicator->state());
        QCOMPARE(indicator->text(), QString("R0 Updated"));
        // The word just written shows in the register table, in fixed pitch.
        auto* bits = main.findChild<QLabel*>("Label17");
        QCOMPARE(bits->text().toStdString(),
                 twin.gui.program.main_form()->get<CaptionControl>("Label17").caption());
        QVERIFY(!bits->text().isEmpty());
        QVERIFY(bits->isVisible());
        QVERIFY(QFontInfo(bits->font()).fixedPitch());

        twin.click("Main", "Toggle26");
        twin.compare("Main");
    }

    void a_list_choice_matches_the_model() {
        test::Twin twin("Option6");
        auto* prescaler = twin.gui.window("Main").findChild<QComboBox*>("Combo4");
        prescaler->setFocus();
        QTest::keyClick(prescaler, Qt::Key_Down);
        QTest::keyClick(prescaler, Qt::Key_Down);
        auto& list = twin.model.main().get<ListBox>("Combo4");
        list.user_choose(0);
        list.user_choose(1);
        twin.compare("Main");
        QCOMPARE(prescaler->currentText(), QString("8/9"));
        QCOMPARE(twin.gui.window("Main").findChild<QLabel*>("prescale")->text(), QString("8/9"));
    }

    void a_noise_mode_matches_the_model() {
        test::Twin twin("Option1");
        twin.click("Main", "Option1");
        twin.compare("Main");
        QWidget& main = twin.gui.window("Main");
        QVERIFY(main.findChild<QAbstractButton*>("Option1")->isChecked());
        QVERIFY(!main.findChild<QAbstractButton*>("Option3")->isChecked());
        // The modes not chosen are shown in the muted shadow colour.
        const QColor chosen =
            main.findChild<QWidget*>("Option1")->palette().color(QPalette::WindowText);
        const QColor other =
            main.findChild<QWidget*>("Option3")->palette().color(QPalette::WindowText);
        QVERIFY(chosen != other);
    }

    void the_hidden_test_lists_appear_on_the_double_click() {
        test::GuiSession gui;
        gui.confirm("Option1");
        QTest::mouseDClick(&gui.widget("Main", "Picture1"), Qt::LeftButton);
        QVERIFY(!gui.window("Main").findChild<QComboBox*>("Combo2")->isHidden());
        check_visibility(gui, "Main");
    }

    void register_rows_show_only_where_the_device_has_them() {
        test::GuiSession gui;
        gui.confirm("Option2");
        QWidget& main = gui.window("Main");
        QVERIFY(main.findChild<QLabel*>("Label15")->isVisible());  // R3
        QVERIFY(!main.findChild<QLabel*>("Label33")->isVisible()); // R4
        // The whole row goes, its name with it.
        QVERIFY(!main.findChild<QLabel*>("Label33")->parentWidget()->isVisible());
    }

    // ---- the planning windows ---------------------------------------------------

    void planning_and_stepping_on_screen_match_the_model() {
        test::Twin twin("Option1");
        const test::GuiSession& gui = twin.gui;
        gui.window("Main").findChild<QAction*>("synthmenu")->trigger();
        twin.model.click("Main", "synthmenu");
        twin.retype("synthform", "Text1", "1750.4");
        twin.retype("synthform", "Text3", "100");
        for (const char* button : {"Command3", "Command8", "Command11", "Command4", "Toggle1"}) {
            twin.click("synthform", button);
            twin.compare("synthform");
        }
        // A limit warning reaches the screen, and the focus goes to the reference entry.
        twin.retype("synthform", "Text4", "40");
        twin.click("synthform", "Command3");
        twin.compare("synthform");
        QVERIFY(!gui.dialogs.messages.empty());
        QCOMPARE(gui.window("synthform").focusWidget(), &gui.widget("synthform", "Text4"));
    }

    void the_if_planner_on_screen_matches_the_model() {
        test::Twin twin("Option6");
        twin.click("Main", "ifref_freq");
        for (const char* button : {"Command3", "Command4", "Command1"}) {
            twin.click("synthformIF", button);
            twin.compare("synthformIF");
        }
        QCOMPARE(qobject_cast<QLineEdit*>(&twin.gui.widget("synthformIF", "Text1"))->text(),
                 QString("540.20000"));
    }

    void the_reference_and_fast_lock_windows_match_the_model() {
        test::Twin twin("Option2");
        twin.click("Main", "Label42");
        twin.retype("crystalform", "Text1", "20");
        twin.click("crystalform", "Command1");
        twin.compare("crystalform");
        test::flush_deleted();

        twin.click("Main", "Toggle32");
        twin.retype("fastlockform", "Text1", "100");
        twin.compare("fastlockform");
        QCOMPARE(qobject_cast<QLineEdit*>(&twin.gui.widget("fastlockform", "BWinterval"))->text(),
                 QString("10"));
        twin.click("fastlockform", "Command3");
        twin.compare("fastlockform");
        QCOMPARE(twin.gui.program.find("fastlockform"), nullptr);
    }

    // ---- the auxiliary windows --------------------------------------------------

    void a_test_mode_loaded_on_screen_matches_the_model() {
        test::Twin twin("Option6");
        twin.click("Main", "Command6");
        // Code 17 moves the noise buttons through the refresh and writes R2.
        for (const char* control : {"Option18", "Command3", "Option2", "Command1"}) {
            twin.click("testform", control);
            twin.compare("testform");
        }
        QCOMPARE(twin.gui.program.state().test_mode_index, int16_t{2});
        QVERIFY(twin.gui.window("Main").findChild<QAbstractButton*>("Option3")->isChecked());
    }

    void the_selector_follows_the_current_window() {
        test::Twin twin("Option4");
        twin.click("Main", "Label6");
        auto* knob = qobject_cast<RotaryKnob*>(&twin.gui.widget("currentform7340", "Selector1"));
        QVERIFY(knob != nullptr);
        QCOMPARE(knob->positions(), 16);
        // The knob asks; the model turns it, and a change waits for the update.
        knob->setFocus();
        QTest::keyClick(knob, Qt::Key_End);
        twin.model.control<RotarySelector>("currentform7340", "Selector1").user_turn(15);
        QCOMPARE(knob->position(), 15);
        twin.retype("currentform7340", "Text2", "10200");
        twin.click("currentform7340", "Command3");
        twin.compare("currentform7340");
        const auto& labels =
            twin.gui.program.find("currentform7340")->get<RotarySelector>("Selector1").labels();
        QCOMPARE(knob->labels().size(), qsizetype{16});
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(knob->labels().at(k).toStdString(), labels[static_cast<std::size_t>(k)]);
        }
        QCOMPARE(knob->labels().last(), QString("2.5000"));
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::ViewsTest)
#include "views_test.moc"
