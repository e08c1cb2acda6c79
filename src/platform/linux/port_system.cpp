#include "platform/linux/port_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define ZQF_HAS_PORT_IO 1
#else
#define ZQF_HAS_PORT_IO 0
#endif

namespace zqf {

namespace {

class LinuxPortSystem final : public PortSystem {
  public:
    int open_device(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        return fd >= 0 ? fd : -errno;
    }

    void close_device(int fd) override { ::close(fd); }

    int control(int fd, unsigned long request, void* argument) override {
        return ::ioctl(fd, request, argument) == 0 ? 0 : -errno;
    }

    int request_port_access(uint16_t address) override {
#if ZQF_HAS_PORT_IO
        return ::ioperm(address, 1, 1) == 0 ? 0 : -errno;
#else
        static_cast<void>(address);
        return -ENOSYS; // no I/O port space on this processor
#endif
    }

    void write_port(uint16_t address, uint8_t value) override {
#if ZQF_HAS_PORT_IO
        ::outb(value, address);
#else
        static_cast<void>(address);
        static_cast<void>(value);
#endif
    }
};

} // namespace

std::unique_ptr<PortSystem> make_linux_port_system() {
    return std::make_unique<LinuxPortSystem>();
}

} // namespace zqf
