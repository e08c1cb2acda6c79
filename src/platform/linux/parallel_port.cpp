#include "platform/linux/parallel_port.h"

#include "platform/linux/ppdev_lookup.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <linux/ppdev.h>
#include <ostream>
#include <sys/ioctl.h>

namespace zqf {

namespace {

std::string reason(int negative_errno) {
    const int code = -negative_errno;
    std::string text = std::strerror(code);
    if (code == EACCES || code == EPERM) {
        text += " (is the user in group lp?)";
    } else if (code == ENOENT || code == ENODEV || code == ENXIO) {
        text += " (is the ppdev module loaded? modprobe ppdev)";
    }
    return text;
}

} // namespace

ParallelPort::ParallelPort(PortSystem& system, std::filesystem::path root, int32_t address,
                           std::ostream& log)
    : system_(system), root_(std::move(root)), address_(address), log_(log) {}

ParallelPort::~ParallelPort() {
    // Closing the device also releases the claim.
    if (fd_ >= 0) {
        system_.close_device(fd_);
    }
}

bool ParallelPort::claim() {
    if (access_ != Access::none) {
        return true;
    }
    if (claim_ppdev()) {
        return true;
    }
    // Direct I/O only where ppdev is out of reach: a port ppdev can open but not
    // claim belongs to someone else, and must not be written behind their back.
    return !ppdev_openable_ && claim_direct();
}

bool ParallelPort::claim_ppdev() {
    const PpdevPort port = find_ppdev_port(root_, address_, log_);
    const int fd = system_.open_device(port.node.string());
    if (fd < 0) {
        log_ << "parallel port: cannot open " << port.node.string() << ": " << reason(fd) << '\n';
        return false;
    }
    ppdev_openable_ = true;
    // ppdev waits, without limit, for a port another program holds; ask first.
    const std::string holder = ppdev_port_holder(root_, port.name);
    if (!holder.empty()) {
        log_ << "parallel port: " << port.name << " is in use by " << holder
             << " (another program?); not claimed\n";
        system_.close_device(fd);
        return false;
    }
    const int claimed = system_.control(fd, PPCLAIM, nullptr);
    if (claimed != 0) {
        log_ << "parallel port: claiming " << port.node.string()
             << " was refused: " << std::strerror(-claimed) << '\n';
        system_.close_device(fd);
        return false;
    }
    // A bidirectional port may have been left reading; the data lines must drive.
    int forward = 0;
    if (const int turned = system_.control(fd, PPDATADIR, &forward); turned != 0) {
        log_ << "parallel port: cannot set the data lines to output: " << std::strerror(-turned)
             << '\n';
    }
    fd_ = fd;
    access_ = Access::ppdev;
    name_ = port.node.string();
    return true;
}

bool ParallelPort::claim_direct() {
    if (address_ < 0 || address_ > 0xFFFF) {
        log_ << "parallel port: " << address_ << " is not an I/O port address\n";
        return false;
    }
    const int granted = system_.request_port_access(static_cast<uint16_t>(address_));
    if (granted != 0) {
        const bool permission = granted == -EPERM || granted == -EACCES;
        log_ << "parallel port: direct port I/O is not available either: "
             << std::strerror(-granted) << (permission ? " (needs root)" : "") << '\n';
        return false;
    }
    log_ << "parallel port: no ppdev device; writing the data register at " << address_
         << " directly\n";
    access_ = Access::direct;
    std::array<char, 16> hex{};
    std::snprintf(hex.data(), hex.size(), "%X", static_cast<unsigned>(address_));
    name_ = "at 0x" + std::string(hex.data()) + " (direct I/O)";
    return true;
}

bool ParallelPort::write(int32_t port, int32_t value) {
    if (access_ == Access::none) {
        failure_ = "the parallel port was never claimed";
        return false;
    }
    if (port != address_) {
        if (!reported_other_address_) {
            log_ << "parallel port: writes to port " << port << " are skipped; the claimed port is "
                 << address_ << '\n';
            reported_other_address_ = true;
        }
        failure_ =
            "port " + std::to_string(port) + " is not the claimed port " + std::to_string(address_);
        return false;
    }
    uint8_t byte = static_cast<uint8_t>(value & 0xFF);
    if (access_ == Access::direct) {
        system_.write_port(static_cast<uint16_t>(address_), byte);
        return true;
    }
    const int written = system_.control(fd_, PPWDATA, &byte);
    if (written == 0) {
        return true;
    }
    if (!reported_write_failure_) {
        log_ << "parallel port: a write failed: " << std::strerror(-written)
             << " (further failures are not reported)\n";
        reported_write_failure_ = true;
    }
    failure_ = std::string("a write to the port failed: ") + std::strerror(-written);
    return false;
}

} // namespace zqf
