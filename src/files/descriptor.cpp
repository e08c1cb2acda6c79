#include "files/descriptor.h"

#include <cerrno>
#include <unistd.h>

namespace zqf {

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = other.release();
    }
    return *this;
}

int Descriptor::reset() {
    if (fd_ < 0) {
        return 0;
    }
    // No retry on EINTR: on Linux the descriptor is gone either way.
    const int result = ::close(release());
    return result == 0 ? 0 : errno;
}

} // namespace zqf
