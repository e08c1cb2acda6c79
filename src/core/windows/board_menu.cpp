// The Board menu: what goes to the evaluation board, watched beside the panel.
// The bus log, the chip state and the frequency plot are windows that stay
// open beside it; recording the bus writes a Value Change Dump of the serial
// interface.
#include "core/windows/board_menu.h"

#include "core/windows/bus_log_form.h"
#include "core/windows/chip_state_form.h"
#include "core/windows/frequency_plot_form.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"
#include "core/windows/remote_control_form.h"

namespace zqf {

namespace {

constexpr std::string_view recording_filter = "VCD Files (*.vcd)|*.vcd";

void warn(Program& program, const std::string& text) {
    program.beep();
    program.message(MessageIcon::exclamation, program_title, text);
}

// Opens a window beside the panel, once: a second opening leaves it as it is.
template <typename F> void open_beside(Program& program, FormId id) {
    if (program.find(id) == nullptr) {
        program.show(program.load<F>());
    }
}

} // namespace

BoardMenu::BoardMenu(MainForm& panel, Program& program) : panel_(panel), program_(program) {
    panel.menu(main_controls::mnuBoard, "&Board");
    panel.menu(main_controls::mnuBusLog, "Bus &Log").on_click = [this] {
        open_beside<BusLogForm>(program_, FormId::bus_log);
    };
    panel.menu(main_controls::mnuChipState, "&Chip State").on_click = [this] {
        open_beside<ChipStateForm>(program_, FormId::chip_state);
    };
    panel.menu(main_controls::mnuFreqPlot, "&Frequency Plot").on_click = [this] {
        open_beside<FrequencyPlotForm>(program_, FormId::frequency_plot);
    };
    panel.menu(main_controls::mnuRecordBus, "&Record Bus...").on_click = [this] {
        mnuRecordBus_Click();
    };
    panel.menu(main_controls::mnuStopRecording, "&Stop Recording").on_click = [this] {
        mnuStopRecording_Click();
    };
    panel.menu(main_controls::mnuRemoteControl, "Remote &Control...").on_click = [this] {
        open_beside<RemoteControlForm>(program_, FormId::remote_control);
    };
    // "Remote" where the user sees it, while a client holds the board.
    panel.label(main_controls::lblRemote, "Remote").set_visible(false);
    if (RemoteService* remote = program_.remote_service()) {
        const auto show = [this, remote] {
            panel_.get(main_controls::lblRemote).set_visible(!remote->clients().empty());
        };
        remote_watch_ = remote->subscribe(show);
        show();
    }
    if (BusRecording* recording = program_.bus_recording()) {
        recording->set_failure_handler([this](const std::string& reason) {
            sync();
            // Told in the middle of a transfer: the word finishes first.
            const std::string text =
                "The bus recording has stopped: " + reason + ". No file was written.";
            program_.post([&program = program_, text] { warn(program, text); });
        });
    }
    sync();
}

BoardMenu::~BoardMenu() {
    if (BusRecording* recording = program_.bus_recording()) {
        recording->set_failure_handler({});
    }
}

void BoardMenu::sync() {
    const BusRecording* recording = program_.bus_recording();
    const bool running = recording != nullptr && recording->recording();
    panel_.get(main_controls::mnuRecordBus).set_enabled(recording != nullptr && !running);
    panel_.get(main_controls::mnuStopRecording).set_enabled(running);
    panel_.get(main_controls::mnuRemoteControl).set_enabled(program_.remote_service() != nullptr);
}

void BoardMenu::mnuRecordBus_Click() {
    BusRecording* recording = program_.bus_recording();
    if (recording == nullptr || recording->recording()) {
        program_.beep();
        return;
    }
    const std::optional<std::string> path = program_.host().save_file_dialog(recording_filter);
    if (!path) {
        return;
    }
    if (const std::optional<std::string> failure = recording->start(*path)) {
        warn(program_, "The bus cannot be recorded: " + *failure + ".");
    }
    sync();
}

void BoardMenu::mnuStopRecording_Click() {
    BusRecording* recording = program_.bus_recording();
    if (recording == nullptr || !recording->recording()) {
        program_.beep();
        return;
    }
    const std::optional<std::string> failure = recording->stop();
    sync();
    if (failure) {
        warn(program_, "The bus recording could not be saved: " + *failure + ".");
    }
}

void BoardMenu::end_program() {
    BusRecording* recording = program_.bus_recording();
    if (recording != nullptr && recording->recording()) {
        mnuStopRecording_Click();
    }
    program_.end();
}

} // namespace zqf
