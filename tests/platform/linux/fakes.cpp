#include "fakes.h"

#include <linux/ppdev.h>
#include <sys/ioctl.h>

namespace zqf::testing {

int FakePorts::control(int fd, unsigned long request, void* argument) {
    const std::string on = " " + std::to_string(fd);
    if (request == PPCLAIM) {
        calls.push_back("PPCLAIM" + on);
        return claim_result;
    }
    if (request == PPDATADIR) {
        calls.push_back("PPDATADIR" + on + " " + std::to_string(*static_cast<int*>(argument)));
        return 0;
    }
    if (request == PPWDATA) {
        data_writes.push_back(*static_cast<uint8_t*>(argument));
        return 0;
    }
    calls.push_back("ioctl?" + on);
    return -ENOTTY;
}

} // namespace zqf::testing
