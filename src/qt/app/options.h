#pragma once

#include <QStringList>

namespace zqf::qt {

struct Options {
    // A virtual board instead of the parallel port and the USB adapter.
    bool virtual_board = false;
    // Quit as soon as the start window has been drawn: measures the start-up.
    bool quit_when_shown = false;
};

// Reads the command line; --help and --version print and exit.
Options parse_options(const QStringList& arguments);

} // namespace zqf::qt
