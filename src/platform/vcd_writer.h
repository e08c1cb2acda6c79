#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

// One single-bit wire of a Value Change Dump: the module it belongs to, its
// name (no blanks) and the one-character code that stands for it in the dump.
struct VcdWire {
    std::string_view scope;
    std::string_view name;
    char code;
};

// Writes the text of a Value Change Dump: the header (no date, so the same
// changes always give the same bytes), the initial levels, then each change
// under its time stamp. A level that does not change writes nothing. Text
// collects until take() hands it out.
class VcdWriter {
  public:
    // `initial` gives each wire's level at time 0: '0', '1' or 'x' (unknown).
    VcdWriter(std::span<const VcdWire> wires, std::string_view timescale,
              std::span<const char> initial);

    // Sets `wire` (an index into the wires) to `high` at `time`. Times never go
    // back: an earlier one counts as the last time written.
    void set(int64_t time, std::size_t wire, bool high);
    // Closes the dump at `time`, so viewers show the last levels up to there.
    void close(int64_t time);

    int64_t last_time() const { return time_; }
    std::string take();

  private:
    void stamp(int64_t time);

    std::span<const VcdWire> wires_;
    std::vector<char> levels_;
    int64_t time_ = 0;
    std::string text_;
};

} // namespace zqf
