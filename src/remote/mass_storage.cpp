#include "remote/mass_storage.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace zqf::remote {

namespace {

constexpr std::size_t max_name = 255;

ScpiError name_error(std::string detail) {
    return {ErrorCode::file_name_error, std::move(detail)};
}

} // namespace

Got<std::string> file_in_folder(const std::optional<std::string>& folder, const std::string& name,
                                bool writing) {
    if (!folder || folder->empty()) {
        return ScpiError{ErrorCode::mass_storage_error,
                         "no folder is open to remote clients (zqfctl serve --files DIR, or the "
                         "folder of the Remote Control window)"};
    }
    if (name.empty() || name == "." || name == ".." || name.size() > max_name) {
        return name_error("'" + name + "' is no file name");
    }
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || u < 0x20 || u == 0x7F) {
            return name_error("a file name stands alone in the folder: no '/' and no control "
                              "characters");
        }
    }
    const std::string path = *folder + "/" + name;
    struct stat what {};
    if (::lstat(path.c_str(), &what) != 0) {
        if (errno == ENOENT && writing) {
            return path;
        }
        if (errno == ENOENT) {
            return ScpiError{ErrorCode::file_name_not_found, "'" + name + "' is not in the folder"};
        }
        return ScpiError{ErrorCode::mass_storage_error, "'" + name + "': " + std::strerror(errno)};
    }
    if (S_ISLNK(what.st_mode)) {
        return name_error("'" + name + "' is a link; links are not followed out of the folder");
    }
    if (!S_ISREG(what.st_mode)) {
        return name_error("'" + name + "' is not a regular file");
    }
    return path;
}

} // namespace zqf::remote
