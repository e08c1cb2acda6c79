#include "core/ui/host.h"

#include <iostream>

namespace zqf {

void Host::note(std::string_view text) {
    std::cerr << "note: " << text << '\n';
}

} // namespace zqf
