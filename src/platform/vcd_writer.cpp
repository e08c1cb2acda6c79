#include "platform/vcd_writer.h"

#include <algorithm>

namespace zqf {

VcdWriter::VcdWriter(std::span<const VcdWire> wires, std::string_view timescale,
                     std::span<const char> initial)
    : wires_(wires), levels_(initial.begin(), initial.end()) {
    levels_.resize(wires_.size(), 'x');
    text_ += "$version zqfeval bus recording $end\n";
    text_ += "$timescale ";
    text_ += timescale;
    text_ += " $end\n";
    std::string_view scope;
    for (const VcdWire& wire : wires_) {
        if (wire.scope != scope) {
            if (!scope.empty()) {
                text_ += "$upscope $end\n";
            }
            scope = wire.scope;
            text_ += "$scope module " + std::string(scope) + " $end\n";
        }
        text_ += "$var wire 1 ";
        text_ += wire.code;
        text_ += " " + std::string(wire.name) + " $end\n";
    }
    if (!scope.empty()) {
        text_ += "$upscope $end\n";
    }
    text_ += "$enddefinitions $end\n#0\n$dumpvars\n";
    for (std::size_t i = 0; i < wires_.size(); ++i) {
        text_ += levels_[i];
        text_ += wires_[i].code;
        text_ += '\n';
    }
    text_ += "$end\n";
}

void VcdWriter::stamp(int64_t time) {
    if (time > time_) {
        time_ = time;
        text_ += '#' + std::to_string(time_) + '\n';
    }
}

void VcdWriter::set(int64_t time, std::size_t wire, bool high) {
    const char level = high ? '1' : '0';
    if (wire >= levels_.size() || levels_[wire] == level) {
        return;
    }
    stamp(time);
    levels_[wire] = level;
    text_ += level;
    text_ += wires_[wire].code;
    text_ += '\n';
}

void VcdWriter::close(int64_t time) {
    stamp(std::max(time, time_ + 1));
}

std::string VcdWriter::take() {
    std::string out;
    out.swap(text_);
    return out;
}

} // namespace zqf
