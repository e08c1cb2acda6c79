#pragma once

#include "core/link/bus_log.h"
#include "core/windows/chip_report.h"

#include <string>

namespace zqf::cli {

// The bus log as `print buslog` shows it: one line a row, oldest first,
// "buslog 0.000 R0 2BC000 parallel port sent".
std::string bus_log_lines(const BusLog& log);

// The chip state as `print chip` shows it: the frequency lines, then each
// register's words and status, then each setting on the chip and the panel.
std::string chip_lines(const ChipReport& report);

} // namespace zqf::cli
