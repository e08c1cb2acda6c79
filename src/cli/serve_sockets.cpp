#include "cli/serve_sockets.h"

#include "cli/serve_timers.h"
#include "remote/limits.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace zqf::cli {

namespace {

constexpr std::size_t read_block = 64 * 1024;

std::string peer_text(const sockaddr_storage& peer, socklen_t length) {
    char host[NI_MAXHOST] = {};
    char port[NI_MAXSERV] = {};
    if (::getnameinfo(reinterpret_cast<const sockaddr*>(&peer), length, host, sizeof host, port,
                      sizeof port, NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
        return "?";
    }
    const std::string text(host);
    return (text.find(':') != std::string::npos ? "[" + text + "]" : text) + ":" + port;
}

uint16_t port_of(int fd) {
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return 0;
    }
    if (bound.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&bound)->sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in*>(&bound)->sin_port);
}

} // namespace

std::variant<std::unique_ptr<SocketServer>, std::string>
SocketServer::open(const remote::ListenAddress& address) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (const int error = ::getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found);
        error != 0) {
        return "cannot listen at " + address.text() + ": " + ::gai_strerror(error);
    }
    std::string reason = "no address to listen at";
    for (const addrinfo* at = found; at != nullptr; at = at->ai_next) {
        const int fd = ::socket(at->ai_family, at->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                at->ai_protocol);
        if (fd < 0) {
            reason = std::strerror(errno);
            continue;
        }
        const int yes = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        if (::bind(fd, at->ai_addr, at->ai_addrlen) != 0 || ::listen(fd, 64) != 0) {
            reason = std::strerror(errno);
            ::close(fd);
            continue;
        }
        ::freeaddrinfo(found);
        remote::ListenAddress bound = address;
        bound.port = port_of(fd);
        return std::unique_ptr<SocketServer>(new SocketServer(fd, std::move(bound)));
    }
    ::freeaddrinfo(found);
    return "cannot listen at " + address.text() + ": " + reason;
}

SocketServer::~SocketServer() {
    for (auto& [id, client] : clients_) {
        ::close(client.fd);
    }
    ::close(listen_fd_);
}

void SocketServer::send(remote::ClientId id, std::string_view bytes) {
    const auto it = clients_.find(id);
    if (it == clients_.end() || it->second.dead) {
        return;
    }
    Client& client = it->second;
    client.out.append(bytes);
    flush(client);
    if (client.out.size() - client.sent > remote::max_unread_output) {
        // A client that does not read its responses would hold them all in memory.
        client.dead = true;
    }
}

void SocketServer::flush(Client& client) {
    while (client.sent < client.out.size()) {
        const ssize_t wrote = ::send(client.fd, client.out.data() + client.sent,
                                     client.out.size() - client.sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote < 0) {
            client.dead = errno != EAGAIN && errno != EWOULDBLOCK;
            break;
        }
        client.sent += static_cast<std::size_t>(wrote);
    }
    if (client.sent == client.out.size()) {
        client.out.clear();
        client.sent = 0;
    } else if (client.sent > read_block) {
        client.out.erase(0, client.sent);
        client.sent = 0;
    }
}

void SocketServer::accept_clients(remote::Instrument& instrument) {
    for (;;) {
        sockaddr_storage peer{};
        socklen_t length = sizeof peer;
        const int fd = ::accept4(listen_fd_, reinterpret_cast<sockaddr*>(&peer), &length,
                                 SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        const std::optional<remote::ClientId> id = instrument.connect(peer_text(peer, length));
        if (!id) {
            ::close(fd);
            continue;
        }
        const int yes = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        clients_[*id] = Client{fd, *id, {}, 0, false};
    }
}

void SocketServer::read_from(Client& client, remote::Instrument& instrument) {
    char block[read_block];
    const ssize_t got = ::recv(client.fd, block, sizeof block, MSG_DONTWAIT);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return;
    }
    if (got <= 0) {
        client.dead = true;
        return;
    }
    instrument.receive(client.id, std::string_view(block, static_cast<std::size_t>(got)));
}

void SocketServer::bury(remote::Instrument& instrument) {
    for (auto it = clients_.begin(); it != clients_.end();) {
        if (!it->second.dead) {
            ++it;
            continue;
        }
        instrument.disconnect(it->first);
        ::close(it->second.fd);
        it = clients_.erase(it);
    }
}

int SocketServer::run(const Loop& loop) {
    remote::Instrument& instrument = *loop.instrument;
    std::vector<pollfd> watched;
    std::vector<remote::ClientId> owners; // the client of each watched descriptor, 0 for others
    for (;;) {
        watched.clear();
        owners.clear();
        watched.push_back({loop.stop_fd, POLLIN, 0});
        watched.push_back({listen_fd_, POLLIN, 0});
        owners.assign(2, 0);
        const std::vector<int> timer_fds = loop.timers->descriptors();
        for (const int fd : timer_fds) {
            watched.push_back({fd, POLLIN, 0});
            owners.push_back(0);
        }
        for (const auto& [id, client] : clients_) {
            short events = 0;
            if (instrument.accepts_input(id)) {
                events |= POLLIN;
            }
            if (!client.out.empty()) {
                events |= POLLOUT;
            }
            watched.push_back({client.fd, events, 0});
            owners.push_back(id);
        }
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return 3;
        }
        if (watched[0].revents != 0) {
            return 0;
        }
        if (watched[1].revents & POLLIN) {
            accept_clients(instrument);
        }
        for (std::size_t i = 2; i < 2 + timer_fds.size(); ++i) {
            if (watched[i].revents & POLLIN) {
                loop.timers->expired(
                    watched[i].fd,
                    [&instrument](Timer& timer) {
                        instrument.run_tick([&timer] { timer.fire(); });
                    },
                    loop.after_tick);
            }
        }
        for (std::size_t i = 2 + timer_fds.size(); i < watched.size(); ++i) {
            const auto it = clients_.find(owners[i]);
            if (it == clients_.end() || it->second.dead) {
                continue;
            }
            if (watched[i].revents & POLLOUT) {
                flush(it->second);
            }
            const bool readable = (watched[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
            if (readable && instrument.accepts_input(it->first)) {
                read_from(it->second, instrument);
            } else if ((watched[i].revents & (POLLHUP | POLLERR)) != 0) {
                // Gone while its input waited: what it sent ahead is moot.
                it->second.dead = true;
            }
        }
        loop.after_event();
        bury(instrument);
    }
}

} // namespace zqf::cli
