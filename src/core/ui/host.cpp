#include "core/ui/host.h"

#include <algorithm>
#include <iostream>

namespace zqf {

std::size_t filter_of_path(std::string_view filters, std::string_view path) {
    // Patterns stand at the odd places of the '|' list: "*.x".
    std::size_t position = 0;
    for (std::size_t start = 0, field = 0; start <= filters.size(); ++field) {
        const std::size_t end = std::min(filters.find('|', start), filters.size());
        const std::string_view part = filters.substr(start, end - start);
        if (field % 2 == 1) {
            const std::string_view suffix = part.starts_with('*') ? part.substr(1) : part;
            if (!suffix.empty() && path.ends_with(suffix)) {
                return position;
            }
            ++position;
        }
        start = end + 1;
    }
    return 0;
}

std::optional<SaveChoice> Host::save_file_choosing(std::string_view filters) {
    std::optional<std::string> path = save_file_dialog(filters);
    if (!path) {
        return std::nullopt;
    }
    const std::size_t filter = filter_of_path(filters, *path);
    return SaveChoice{std::move(*path), filter};
}

void Host::note(std::string_view text) {
    std::cerr << "note: " << text << '\n';
}

} // namespace zqf
