#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zqf {

// The operating-system calls behind the parallel port: ppdev's open and ioctl,
// and direct port I/O. Tests substitute a fake that records every call.
class PortSystem {
  public:
    virtual ~PortSystem() = default;

    // Opens a device node read-write. Returns a descriptor, or -errno.
    virtual int open_device(const std::string& path) = 0;
    virtual void close_device(int fd) = 0;

    // ioctl(fd, request, argument). Returns 0, or -errno.
    virtual int control(int fd, unsigned long request, void* argument) = 0;

    // Asks for direct access to one I/O port (ioperm). Returns 0, or -errno.
    virtual int request_port_access(uint16_t address) = 0;

    // Writes one I/O port. Only after request_port_access succeeded for it.
    virtual void write_port(uint16_t address, uint8_t value) = 0;
};

std::unique_ptr<PortSystem> make_linux_port_system();

} // namespace zqf
