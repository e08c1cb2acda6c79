#include "remote/status_model.h"

namespace zqf::remote {

void ErrorQueue::push(ScpiError error) {
    if (entries_.size() < capacity) {
        entries_.push_back(std::move(error));
        return;
    }
    entries_.back() = ScpiError{ErrorCode::queue_overflow, {}};
}

ScpiError ErrorQueue::pop() {
    if (entries_.empty()) {
        return {};
    }
    ScpiError oldest = std::move(entries_.front());
    entries_.pop_front();
    return oldest;
}

void StatusModel::report(ScpiError error) {
    switch (error_class(error.code)) {
    case ErrorClass::command:
        events_ |= command_error;
        break;
    case ErrorClass::execution:
        events_ |= execution_error;
        break;
    case ErrorClass::device:
        events_ |= device_error;
        break;
    case ErrorClass::query:
        events_ |= query_error;
        break;
    case ErrorClass::none:
        break;
    }
    errors_.push(std::move(error));
}

uint8_t StatusModel::take_events() {
    const uint8_t events = events_;
    events_ = 0;
    return events;
}

uint8_t StatusModel::status_byte(bool output_waiting) const {
    uint8_t byte = 0;
    if (!errors_.empty()) {
        byte |= error_available;
    }
    if (output_waiting) {
        byte |= message_available;
    }
    if ((events_ & event_enable_) != 0) {
        byte |= event_summary;
    }
    if ((byte & service_enable_) != 0) {
        byte |= request_service;
    }
    return byte;
}

void StatusModel::clear() {
    errors_.clear();
    events_ = 0;
}

} // namespace zqf::remote
