#pragma once

#include "remote/parameters.h"

#include <optional>
#include <string>

namespace zqf::remote {

// The path of a file MMEMory may use: `name` is a plain file name inside
// `folder` (no '/', not "." or "..", no control characters), and what stands
// under it now is a regular file or nothing (when writing), never a link,
// which could lead out of the folder. Without a folder, nothing is allowed.
Got<std::string> file_in_folder(const std::optional<std::string>& folder, const std::string& name,
                                bool writing);

} // namespace zqf::remote
