#pragma once

#include <string>

namespace zqf {
class Program;
}

namespace zqf::remote {

// Whether words reach the board: the link the start window prepared and
// what the platform has said of it since.
struct LinkState {
    std::string name; // PAR, USB or NONE
    bool ready = false;
    std::string reason; // why not, when not ready
};

// `start_problem` is what the start window said when it prepared the link
// (empty when it said nothing).
LinkState link_state(Program& program, const std::string& start_problem);

} // namespace zqf::remote
