#include "qt/app/options.h"

#include <QCommandLineParser>

namespace zqf::qt {

Options parse_options(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Evaluation and control program for the ZQF7xx0 PLL frequency synthesizers.\n"
        "\n"
        "Exit status: 0 when the program is ended from its main window, and after\n"
        "--help or --version; 1 for an option it does not know (nothing is started)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption virtual_board(
        QStringLiteral("virtual"),
        QStringLiteral("Work with a virtual evaluation board instead of the parallel port or "
                       "the USB adapter."));
    const QCommandLineOption quit_when_shown(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Quit once the start window is drawn (to time the start-up)."));
    parser.addOption(virtual_board);
    parser.addOption(quit_when_shown);
    parser.process(arguments);
    return {parser.isSet(virtual_board), parser.isSet(quit_when_shown)};
}

} // namespace zqf::qt
