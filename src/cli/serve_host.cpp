#include "cli/serve_host.h"

namespace zqf::cli {

void ServeHost::message_box(MessageIcon, std::string_view title, std::string_view text) {
    notes_ << "note: the program said: " << (title.empty() ? "" : std::string(title) + ": ") << text
           << '\n';
}

int64_t ServeHost::now_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 started_)
        .count();
}

} // namespace zqf::cli
