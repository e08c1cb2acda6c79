#include "core/windows/program.h"

#include "core/state/devices.h"
#include "core/windows/device_form.h"
#include "core/windows/entry_checks.h"
#include "core/windows/main_form.h"

#include <algorithm>

namespace zqf {

Program::Program(Host& host, Platform& platform, ProgramPaths paths)
    : host_(host), platform_(platform), paths_(std::move(paths)), link_(state_, platform),
      bus_log_([this] { return host_.now_ms(); },
               [this] { return transfer_bits(state_.device_name); }) {
    // The bus log and the chip state watch the link; they change nothing it sends.
    link_.add_transfer_observer([this](const Transfer& transfer) {
        bus_log_.add(transfer);
        if (transfer.delivery == Delivery::sent && is_register(transfer.index)) {
            delivered_[static_cast<std::size_t>(transfer.index)] = transfer.word;
        }
    });
    // A word the chip could not trust stays off the wire; the user is told why.
    link_.set_refusal_handler([this](const std::string& reason) {
        last_refusal_ = {reason, host_.now_ms()};
        beep();
        message(MessageIcon::exclamation, program_title, reason);
    });
}

Program::~Program() = default;

std::optional<uint32_t> Program::chip_word(int index) const {
    if (!is_register(index)) {
        return std::nullopt;
    }
    if (const std::optional<uint32_t> held = platform_.held_word(index)) {
        return held;
    }
    return delivered_[static_cast<std::size_t>(index)];
}

void Program::start() {
    DeviceForm& start_window = load<DeviceForm>();
    show(start_window);
}

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    // Newest first, as the windows stack on screen; no continuation runs.
    while (!windows_.empty()) {
        Window window = std::move(windows_.back());
        windows_.pop_back();
        if (window.shown) {
            host_.closed(*window.form);
        }
        retired_.push_back(std::move(window.form));
    }
    host_.quit();
}

void Program::adopt(std::unique_ptr<Form> form) {
    // Before the load handler fills the boxes, so they are checked from the start.
    attach_entry_checks(*form, state_);
    if (Form* old = find(form->name())) {
        close(*old);
    }
    windows_.push_back({std::move(form), false, false, 0, {}});
}

Program::Window* Program::entry(const Form& form) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&form](const Window& w) { return w.form.get() == &form; });
    return it == windows_.end() ? nullptr : &*it;
}

const Program::Window* Program::entry(const Form& form) const {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&form](const Window& w) { return w.form.get() == &form; });
    return it == windows_.end() ? nullptr : &*it;
}

void Program::show(Form& form) {
    Window* window = entry(form);
    if (window == nullptr || window->shown) {
        return;
    }
    window->shown = true;
    window->shown_order = ++show_counter_;
    host_.show(form, false);
}

void Program::show_modal(Form& form, std::function<void()> then) {
    Window* window = entry(form);
    if (window == nullptr || window->shown) {
        return;
    }
    window->shown = true;
    window->modal = true;
    window->shown_order = ++show_counter_;
    window->then = std::move(then);
    host_.show(form, true);
}

void Program::close(Form& form) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&form](const Window& w) { return w.form.get() == &form; });
    if (it == windows_.end()) {
        return;
    }
    Window window = std::move(*it);
    windows_.erase(it);
    if (window.shown) {
        host_.closed(form);
    }
    retired_.push_back(std::move(window.form));
    if (window.then) {
        window.then();
    }
}

Form* Program::find(std::string_view name) const {
    for (const Window& window : windows_) {
        if (window.form->name() == name) {
            return window.form.get();
        }
    }
    return nullptr;
}

MainForm* Program::main_form() const {
    return find_form<MainForm>(FormId::main);
}

bool Program::is_shown(const Form& form) const {
    const Window* window = entry(form);
    return window != nullptr && window->shown;
}

bool Program::is_blocked(const Form& form) const {
    const Window* window = entry(form);
    if (window == nullptr) {
        return false;
    }
    return std::any_of(windows_.begin(), windows_.end(), [window](const Window& other) {
        return other.shown && other.modal && other.shown_order > window->shown_order &&
               &other != window;
    });
}

std::vector<Form*> Program::open_forms() const {
    std::vector<Form*> out;
    for (const Window& window : windows_) {
        out.push_back(window.form.get());
    }
    return out;
}

void Program::collect() {
    retired_.clear();
    // A task may post again or show a message whose wait calls collect.
    while (!posted_.empty() && !ended_) {
        const std::function<void()> task = std::move(posted_.front());
        posted_.erase(posted_.begin());
        task();
    }
    if (ended_) {
        posted_.clear();
    }
}

} // namespace zqf
