#include "core/settings/link_choice_file.h"

#include "core/settings/list_input.h"
#include "files/atomic_write.h"
#include "files/bounded_read.h"

namespace zqf {

LinkChoiceRead read_link_choice(const std::string& path) {
    FileRead file = read_bounded(path, link_file_kind);
    if (file.fault == FileRead::Fault::missing) {
        return {};
    }
    if (!file.ok()) {
        return {std::nullopt, file.error + "; no link is preselected"};
    }
    return {link_choice_from_text(std::move(file.bytes)), {}};
}

std::optional<std::string> link_choice_from_text(std::string content) {
    return ListInput(std::move(content)).next_field();
}

std::string write_link_choice(const std::string& path, std::string_view link) {
    return write_atomically(path, std::string(link) + "\r\n");
}

} // namespace zqf
