// zqfeval: the desktop program over the window models.
#include "core/settings/link_choice_file.h"
#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/linux/adapter_ids.h"
#include "platform/linux/hardware_platform.h"
#include "platform/recording_platform.h"
#include "platform/virtual_board.h"
#include "qt/app/options.h"
#include "qt/host/qt_host.h"
#include "qt/remote/qt_remote_service.h"
#include "qt/views/views.h"
#include "remote/diverting_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

namespace {

// Ends the run once the watched window has been drawn for the first time.
class QuitWhenDrawn : public QObject {
  public:
    explicit QuitWhenDrawn(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

// The desktop program keeps the link choice with its other settings, not in
// whatever folder it was started from (the home folder, from a menu); the
// folder is made when missing. Without a home, the current folder serves.
std::string link_choice_file() {
    const std::filesystem::path folder =
        zqf::config_folder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (folder.empty()) {
        return std::string(zqf::link_choice_file_name);
    }
    std::error_code ignored; // a folder that cannot be made is told when the file is written
    std::filesystem::create_directories(folder, ignored);
    return (folder / zqf::link_choice_file_name).string();
}

int run(const zqf::qt::Options& options) {
    zqf::qt::QtHost host(zqf::qt::default_views(), std::make_unique<zqf::qt::QtDialogs>());
    // The main window opens where it was last time; File offers the settings used last.
    host.set_window_places(zqf::qt::user_window_places());
    host.set_recent_files(zqf::qt::user_recent_files());
    zqf::Program* running = nullptr;
    std::unique_ptr<zqf::Platform> platform;
    if (options.virtual_board) {
        platform = std::make_unique<zqf::VirtualBoard>([&running] {
            return running != nullptr ? zqf::chip_geometry(running->state().device_name)
                                      : zqf::ChipGeometry{};
        });
    } else {
        platform = zqf::make_hardware_platform();
    }
    // Board > Record Bus: synthetic time on the virtual board, so its
    // recordings are the same on every run.
    zqf::RecordingPlatform recorder(*platform, options.virtual_board
                                                   ? zqf::MonotonicClock{}
                                                   : zqf::MonotonicClock{zqf::steady_nanoseconds});
    // A remote command's message boxes and beeps become its client's errors.
    zqf::remote::DivertingHost diverting(host);
    zqf::Program program(
        diverting, recorder,
        {QCoreApplication::applicationDirPath().toStdString(), link_choice_file()});
    program.set_bus_recording(&recorder);
    // Board > Remote Control...: the board as a SCPI instrument.
    zqf::qt::QtRemoteService remote(program, diverting, host, ZQF_VERSION);
    program.set_remote_service(&remote);
    running = &program;
    host.attach(program);
    host.run([&program] { program.start(); });
    if (options.quit_when_shown) {
        if (QWidget* start = host.window_of(*program.find(zqf::FormId::device))) {
            new QuitWhenDrawn(*start);
        }
    }
    const int status = QApplication::exec();
    // However the loop ended, no timer of a window ticks on past this point.
    host.run([&program] { program.end(); });
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version print and end before a display is opened, so
    // they answer where there is none (a build machine, a package check).
    const std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
    const bool only_print = std::any_of(arguments.begin() + 1, arguments.end(), [](const char* a) {
        const std::string_view arg(a);
        return arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
               arg == "--version";
    });
    if (only_print) {
        const QCoreApplication reader(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("zqfeval"));
        QCoreApplication::setApplicationVersion(QStringLiteral(ZQF_VERSION));
        zqf::qt::parse_options(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zqfeval"));
    QApplication::setApplicationVersion(QStringLiteral(ZQF_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("zqfeval"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zqfeval/icon.svg")));
    // Only the program ends the program: its windows never close on their own.
    QApplication::setQuitOnLastWindowClosed(false);
    return run(zqf::qt::parse_options(QApplication::arguments()));
}
