#pragma once

#include "core/link/register_link.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zqf {

// One word handed to the link, as the bus log keeps it.
struct BusLogRow {
    uint64_t number; // 1 for the first word of the run, counted on after a clear
    int64_t time_ms; // the program's clock
    int index;
    uint32_t word;
    int word_bits; // the transfer width: the hex text shows word_bits / 4 digits
    LinkKind link;
    Delivery delivery;
    std::string reason;
};

// The last words written, newest last, in a ring of fixed size: a long hop
// keeps its memory and its cost per word flat. It only watches the link.
class BusLog {
  public:
    static constexpr std::size_t capacity = 10000;

    // `clock` gives the time of each row; `width` the transfer width of the
    // device the word went to.
    BusLog(std::function<int64_t()> clock, std::function<int()> width)
        : clock_(std::move(clock)), width_(std::move(width)) {}

    void add(const Transfer& transfer);
    void clear();

    std::size_t size() const { return size_; }
    // Row `i`, 0 the oldest kept.
    const BusLogRow& row(std::size_t i) const;
    // The number of the oldest row kept; the next row's when none is.
    uint64_t first_number() const { return size_ > 0 ? row(0).number : next_number_; }
    // Copies of the rows numbered above `number`, oldest first.
    std::vector<BusLogRow> rows_after(uint64_t number) const;
    // Grows with every change (a row added, the log cleared): a view that
    // remembers it knows whether there is anything new to show.
    uint64_t revision() const { return revision_; }

  private:
    std::function<int64_t()> clock_;
    std::function<int()> width_;
    std::vector<BusLogRow> rows_;
    std::size_t first_ = 0; // ring position of row 0
    std::size_t size_ = 0;
    uint64_t next_number_ = 1;
    uint64_t revision_ = 0;
};

// The columns of the log, in order, with their headings.
enum class BusLogColumn { time, register_name, word, link, outcome };
inline constexpr std::size_t bus_log_columns = 5;
std::string_view bus_log_heading(BusLogColumn column);

// The text of one cell: seconds with three decimals, "R0", the word in
// upper-case hex zero-padded to the transfer width, the link's name, and the
// outcome ("sent", "failed: <reason>", "not sent: no link").
std::string bus_log_cell(const BusLogRow& row, BusLogColumn column);

// Rows as text to paste elsewhere: a heading line, then one line per row,
// the cells separated by tabs, each line ending in a newline.
std::string bus_log_text(std::span<const BusLogRow* const> rows);
// The rows of the log at those positions (0 the oldest kept), as above.
std::string bus_log_text(const BusLog& log, std::span<const std::size_t> rows);

} // namespace zqf
