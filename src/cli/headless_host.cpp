#include "cli/headless_host.h"

#include "cli/script_words.h"
#include "core/ui/form.h"

namespace zqf::cli {

namespace {

std::string_view icon_name(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::none:
        return "none";
    case MessageIcon::exclamation:
        return "exclamation";
    case MessageIcon::critical:
        return "critical";
    case MessageIcon::information:
        return "information";
    }
    return "none";
}

} // namespace

void HeadlessHost::message_box(MessageIcon icon, std::string_view title, std::string_view text) {
    events_ << "message " << icon_name(icon) << ' ' << quote(title) << ' ' << quote(text) << '\n';
}

void HeadlessHost::beep() {
    events_ << "beep\n";
}

std::optional<std::string> HeadlessHost::open_file_dialog(std::string_view) {
    return take_file_answer("an open");
}

std::optional<std::string> HeadlessHost::save_file_dialog(std::string_view) {
    std::optional<std::string> answer = take_file_answer("a save");
    if (answer) {
        if (std::optional<std::string> refusal = refusal_to_write(*answer)) {
            refusal_ = std::move(refusal);
            return std::nullopt;
        }
    }
    return answer;
}

std::optional<std::string> HeadlessHost::refusal_to_write(const std::string& path) const {
    if (!script_ || identity_of(path) != script_) {
        return std::nullopt;
    }
    return "cannot write '" + path + "': it is the script being run";
}

std::optional<std::string> HeadlessHost::take_file_answer(std::string_view dialog) {
    if (!file_answer_) {
        events_.flush();
        notes_ << "note: line " << line_ << ": " << dialog
               << " dialog opened with no file line to answer it; it is cancelled\n";
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(*file_answer_);
    file_answer_.reset();
    return answer;
}

void HeadlessHost::set_file_answer(std::optional<std::string> path) {
    file_answer_ = std::move(path);
}

void HeadlessHost::show(Form& form, bool) {
    events_ << "shown " << form.name() << '\n';
}

void HeadlessHost::closed(Form& form) {
    events_ << "closed " << form.name() << '\n';
}

} // namespace zqf::cli
