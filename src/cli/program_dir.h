#pragma once

#include <string>

namespace zqf::cli {

// The folder of the running executable, where the USB firmware file lies.
std::string program_dir(const char* argv0);

} // namespace zqf::cli
