#pragma once

#include <span>
#include <string_view>

namespace zqf::cli {

// `zqfctl run`: the arguments after the command's name.
int run_script_command(std::span<const std::string_view> args, const char* argv0);

} // namespace zqf::cli
