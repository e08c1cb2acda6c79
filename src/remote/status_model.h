#pragma once

#include "remote/scpi_error.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace zqf::remote {

// One client's error queue: first in, first out. When full, the newest entry
// gives way to -350 "Queue overflow", as SCPI asks.
class ErrorQueue {
  public:
    static constexpr std::size_t capacity = 32;

    void push(ScpiError error);
    // The oldest entry, or 0,"No error".
    ScpiError pop();
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

  private:
    std::deque<ScpiError> entries_;
};

// The status registers of IEEE 488.2 for one client: the standard event
// status register and its enable mask, the service request enable mask, and
// the errors that set the event bits.
class StatusModel {
  public:
    // Standard event status register bits.
    static constexpr uint8_t operation_complete = 0x01;
    static constexpr uint8_t query_error = 0x04;
    static constexpr uint8_t device_error = 0x08;
    static constexpr uint8_t execution_error = 0x10;
    static constexpr uint8_t command_error = 0x20;
    // Status byte bits.
    static constexpr uint8_t error_available = 0x04;
    static constexpr uint8_t message_available = 0x10;
    static constexpr uint8_t event_summary = 0x20;
    static constexpr uint8_t request_service = 0x40;

    // Queues the error and sets its event bit.
    void report(ScpiError error);
    ErrorQueue& errors() { return errors_; }

    void set_event(uint8_t bits) { events_ |= bits; }
    // *ESR?: read and clear.
    uint8_t take_events();
    uint8_t enabled_events() const { return event_enable_; }
    void set_event_enable(uint8_t mask) { event_enable_ = mask; }
    uint8_t service_enable() const { return service_enable_; }
    // Bit 6 of the mask is not one a request can be enabled for.
    void set_service_enable(uint8_t mask) { service_enable_ = mask & ~request_service; }

    // *STB?: the summary bits, `output_waiting` telling whether a response
    // is waiting to be read.
    uint8_t status_byte(bool output_waiting) const;

    // *CLS: the queue and the event register are cleared; the masks stay.
    void clear();

  private:
    ErrorQueue errors_;
    uint8_t events_ = 0;
    uint8_t event_enable_ = 0;
    uint8_t service_enable_ = 0;
};

} // namespace zqf::remote
