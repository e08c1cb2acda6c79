#include "core/link/bus_log.h"

#include "core/text/number_text.h"

#include <array>
#include <cstdio>

namespace zqf {

void BusLog::add(const Transfer& transfer) {
    if (rows_.capacity() < capacity) {
        rows_.reserve(capacity);
    }
    BusLogRow row{next_number_++, clock_(),      transfer.index,    transfer.word,
                  width_(),       transfer.link, transfer.delivery, transfer.reason};
    if (size_ < capacity) {
        rows_.push_back(std::move(row));
        ++size_;
    } else {
        // Full: the oldest row makes room.
        rows_[first_] = std::move(row);
        first_ = (first_ + 1) % capacity;
    }
    ++revision_;
}

void BusLog::clear() {
    rows_.clear();
    first_ = 0;
    size_ = 0;
    ++revision_;
}

const BusLogRow& BusLog::row(std::size_t i) const {
    return rows_[(first_ + i) % capacity];
}

std::vector<BusLogRow> BusLog::rows_after(uint64_t number) const {
    const uint64_t first = first_number();
    std::vector<BusLogRow> out;
    for (std::size_t i = number < first ? 0 : number - first + 1; i < size_; ++i) {
        out.push_back(row(i));
    }
    return out;
}

std::string_view bus_log_heading(BusLogColumn column) {
    switch (column) {
    case BusLogColumn::time:
        return "Time (s)";
    case BusLogColumn::register_name:
        return "Register";
    case BusLogColumn::word:
        return "Word (hex)";
    case BusLogColumn::link:
        return "Link";
    case BusLogColumn::outcome:
        return "Outcome";
    }
    return {};
}

namespace {

std::string seconds(int64_t ms) {
    const bool negative = ms < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(ms) : static_cast<uint64_t>(ms);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%s%llu.%03llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 1000),
                  static_cast<unsigned long long>(magnitude % 1000));
    return text.data();
}

std::string_view link_name(LinkKind link) {
    switch (link) {
    case LinkKind::parallel_port:
        return "parallel port";
    case LinkKind::usb_adapter:
        return "USB adapter";
    case LinkKind::none:
        break;
    }
    return "none";
}

std::string outcome_text(const BusLogRow& row) {
    switch (row.delivery) {
    case Delivery::sent:
        return "sent";
    case Delivery::failed:
        return "failed: " + row.reason;
    case Delivery::not_sent:
        break;
    }
    return "not sent: no link";
}

} // namespace

std::string bus_log_cell(const BusLogRow& row, BusLogColumn column) {
    switch (column) {
    case BusLogColumn::time:
        return seconds(row.time_ms);
    case BusLogColumn::register_name:
        return "R" + std::to_string(row.index);
    case BusLogColumn::word:
        return padded_hex(row.word, row.word_bits);
    case BusLogColumn::link:
        return std::string(link_name(row.link));
    case BusLogColumn::outcome:
        return outcome_text(row);
    }
    return {};
}

std::string bus_log_text(std::span<const BusLogRow* const> rows) {
    constexpr std::array columns{BusLogColumn::time, BusLogColumn::register_name,
                                 BusLogColumn::word, BusLogColumn::link, BusLogColumn::outcome};
    std::string text;
    for (const BusLogColumn column : columns) {
        text += bus_log_heading(column);
        text += column == BusLogColumn::outcome ? '\n' : '\t';
    }
    for (const BusLogRow* row : rows) {
        for (const BusLogColumn column : columns) {
            text += bus_log_cell(*row, column);
            text += column == BusLogColumn::outcome ? '\n' : '\t';
        }
    }
    return text;
}

std::string bus_log_text(const BusLog& log, std::span<const std::size_t> rows) {
    std::vector<const BusLogRow*> kept;
    for (const std::size_t i : rows) {
        if (i < log.size()) {
            kept.push_back(&log.row(i));
        }
    }
    return bus_log_text(kept);
}

} // namespace zqf
