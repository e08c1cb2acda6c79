#include "core/settings/link_choice_file.h"

#include "core/settings/list_input.h"

namespace zqf {

std::optional<std::string> read_link_choice(const std::string& path) {
    std::optional<std::string> content = read_file(path);
    if (!content) {
        return std::nullopt;
    }
    return ListInput(std::move(*content)).next_field();
}

bool write_link_choice(const std::string& path, std::string_view link) {
    return replace_file(path, std::string(link) + "\r\n");
}

} // namespace zqf
