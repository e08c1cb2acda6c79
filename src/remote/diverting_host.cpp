#include "remote/diverting_host.h"

#include <utility>

namespace zqf::remote {

std::string Prompts::text() const {
    std::string line;
    for (const std::string& message : messages) {
        // A box's text may span lines; a queued error is one line.
        std::string flat;
        for (const char c : message) {
            flat += c == '\n' || c == '\r' ? ' ' : c;
        }
        while (!flat.empty() && flat.front() == ' ') {
            flat.erase(flat.begin());
        }
        while (!flat.empty() && flat.back() == ' ') {
            flat.pop_back();
        }
        if (!flat.empty()) {
            line += (line.empty() ? "" : " ") + flat;
        }
    }
    return line;
}

DivertingHost::Diversion::Diversion(DivertingHost& host, Prompts& prompts)
    : host_(host), outer_(std::exchange(host.prompts_, &prompts)) {}

DivertingHost::Diversion::~Diversion() {
    host_.prompts_ = outer_;
}

void DivertingHost::message_box(MessageIcon icon, std::string_view title, std::string_view text) {
    if (prompts_ == nullptr) {
        inner_.message_box(icon, title, text);
        return;
    }
    prompts_->messages.emplace_back(text);
}

void DivertingHost::beep() {
    if (prompts_ == nullptr) {
        inner_.beep();
        return;
    }
    prompts_->beeped = true;
}

std::optional<std::string> DivertingHost::take_file_answer() {
    std::optional<std::string> answer = std::move(prompts_->file_answer);
    prompts_->file_answer.reset();
    return answer;
}

std::optional<std::string> DivertingHost::open_file_dialog(std::string_view filter) {
    if (prompts_ == nullptr) {
        return inner_.open_file_dialog(filter);
    }
    return take_file_answer();
}

std::optional<std::string> DivertingHost::save_file_dialog(std::string_view filter) {
    if (prompts_ == nullptr) {
        return inner_.save_file_dialog(filter);
    }
    return take_file_answer();
}

std::optional<SaveChoice> DivertingHost::save_file_choosing(std::string_view filters) {
    if (prompts_ == nullptr) {
        return inner_.save_file_choosing(filters);
    }
    return Host::save_file_choosing(filters);
}

} // namespace zqf::remote
