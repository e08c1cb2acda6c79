// How fast the instrument answers over loopback: `zqfctl serve` on the
// virtual board, asked *IDN? back to back (requests a second) and then
// FREQ <f>;*OPC? with the frequency stepping each time (the time from the
// request to its "1", median and 99th percentile).
//
//   scpi_bench ZQFCTL [IDN_COUNT] [FREQ_COUNT]
//
// Prints "scpi: idn N/s, freq-set-and-confirm p50 X ms, p99 Y ms".
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Starts the server on a free loopback port; returns its pid and port.
std::pair<pid_t, int> start_server(const char* zqfctl, const std::string& work) {
    int out[2];
    if (pipe(out) != 0) {
        std::exit(2);
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        if (chdir(work.c_str()) != 0) {
            _exit(2);
        }
        execl(zqfctl, zqfctl, "serve", "--board", "virtual", "--link", "par", "--listen",
              "127.0.0.1:0", static_cast<char*>(nullptr));
        _exit(2);
    }
    close(out[1]);
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n') {
        line += c;
    }
    close(out[0]);
    const std::size_t colon = line.rfind(':');
    if (colon == std::string::npos) {
        std::fprintf(stderr, "scpi_bench: the server did not start: %s\n", line.c_str());
        std::exit(2);
    }
    return {pid, std::atoi(line.c_str() + colon + 1)};
}

int connect_to(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(static_cast<uint16_t>(port));
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (connect(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
        std::perror("scpi_bench: connect");
        std::exit(2);
    }
    return fd;
}

// Sends a line and reads its response line.
std::string ask(int fd, const std::string& line) {
    const std::string out = line + "\n";
    if (write(fd, out.data(), out.size()) != static_cast<ssize_t>(out.size())) {
        std::exit(2);
    }
    std::string answer;
    char block[256];
    while (answer.empty() || answer.back() != '\n') {
        const ssize_t got = read(fd, block, sizeof block);
        if (got <= 0) {
            std::fprintf(stderr, "scpi_bench: the server closed the connection\n");
            std::exit(2);
        }
        answer.append(block, static_cast<std::size_t>(got));
    }
    return answer;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: scpi_bench ZQFCTL [IDN_COUNT] [FREQ_COUNT]\n");
        return 2;
    }
    const int idn_count = argc > 2 ? std::atoi(argv[2]) : 20000;
    const int freq_count = argc > 3 ? std::atoi(argv[3]) : 5000;
    char work[] = "/tmp/scpi-bench-XXXXXX";
    if (mkdtemp(work) == nullptr) {
        return 2;
    }
    char zqfctl[PATH_MAX];
    if (realpath(argv[1], zqfctl) == nullptr) {
        std::perror("scpi_bench: zqfctl");
        return 2;
    }
    const auto [pid, port] = start_server(zqfctl, work);
    const int fd = connect_to(port);

    const Clock::time_point began = Clock::now();
    for (int i = 0; i < idn_count; ++i) {
        ask(fd, "*IDN?");
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - began).count();

    std::vector<double> latency_ms;
    latency_ms.reserve(static_cast<std::size_t>(freq_count));
    for (int i = 0; i < freq_count; ++i) {
        // One channel up each time, across 200 channels: INT and FRAC both move.
        const double mhz = 1750.0 + 0.2 * (i % 200);
        char line[64];
        std::snprintf(line, sizeof line, "FREQ %.1f MHZ;*OPC?", mhz);
        const Clock::time_point sent = Clock::now();
        if (ask(fd, line) != "1\n") {
            std::fprintf(stderr, "scpi_bench: %s was not confirmed\n", line);
            return 2;
        }
        latency_ms.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
    }
    if (ask(fd, "SYST:ERR?") != "0,\"No error\"\n") {
        std::fprintf(stderr, "scpi_bench: the server reported an error\n");
        return 2;
    }
    close(fd);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::remove((std::string(work) + "/comms_option.txt").c_str());
    rmdir(work);

    std::printf("scpi: idn %.0f/s, freq-set-and-confirm p50 %.3f ms, p99 %.3f ms\n",
                idn_count / seconds, percentile(latency_ms, 0.5), percentile(latency_ms, 0.99));
    return 0;
}
