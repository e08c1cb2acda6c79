#include "cli/command_host.h"

#include <utility>

namespace zqf::cli {

void CommandHost::message_box(MessageIcon, std::string_view title, std::string_view text) {
    // One line, as a command reports a failure: the title, then each line of
    // the text, the program's own title left out.
    std::string line = title == program_title ? std::string() : std::string(title);
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view part = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        while (!part.empty() &&
               (part.front() == ' ' || part.back() == ' ' || part.back() == '\r')) {
            part = part.front() == ' ' ? part.substr(1) : part.substr(0, part.size() - 1);
        }
        if (!part.empty()) {
            line += (line.empty() ? "" : ": ") + std::string(part);
        }
    }
    messages_.push_back(std::move(line));
}

std::optional<std::string> CommandHost::open_file_dialog(std::string_view) {
    std::optional<std::string> answer = std::move(open_answer_);
    open_answer_.reset();
    return answer;
}

std::vector<std::string> CommandHost::take_messages() {
    return std::exchange(messages_, {});
}

} // namespace zqf::cli
