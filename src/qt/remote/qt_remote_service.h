#pragma once

#include "core/windows/remote_service.h"
#include "qt/binder/action_runner.h"
#include "remote/instrument.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <map>
#include <memory>
#include <string>

class QTcpServer;
class QTcpSocket;

namespace zqf {
class Form;
class Program;
} // namespace zqf

namespace zqf::qt {

class FormTimers;
class QtHost;

// The desktop's instrument: a TCP server whose clients' bytes go to the
// instrument and whose responses go back, nothing more. Commands run as a
// user's actions do (through the host's action runner) and never while a
// dialog of the desktop waits for its user; the sweep and hopper a client
// starts tick on the desktop's precise tickers.
class QtRemoteService final : public QObject, public RemoteService {
  public:
    QtRemoteService(Program& program, remote::DivertingHost& host, QtHost& runner,
                    std::string version);
    ~QtRemoteService() override;

    std::optional<std::string> start(const std::string& address,
                                     const std::string& folder) override;
    void stop() override;
    bool listening() const override { return instrument_ != nullptr; }
    std::string address() const override { return address_; }
    std::vector<std::string> clients() const override;
    std::vector<RemoteCommand> recent() const override;
    uint64_t revision() const override;

  private:
    class TickRunner;
    struct Ticker {
        std::unique_ptr<TickRunner> runner;
        FormTimers* timers;
    };
    struct Client {
        QPointer<QTcpSocket> socket;
        remote::ClientId id;
    };

    void accept_clients();
    void take_input(QTcpSocket* socket);
    void send(remote::ClientId client, std::string_view bytes);
    void forget(QTcpSocket* socket);
    // Follows the exerciser windows a client started with tickers of their own.
    void follow_exercisers();
    // A tick of a window a client started, if it is still that client's.
    void tick(Form* form, std::string_view name, const std::function<void()>& fire);
    // Tells observers of what changed, and takes input that waited.
    void after_change();

    Program& program_;
    remote::DivertingHost& host_;
    QtHost& runner_;
    std::string version_;
    QTcpServer* server_ = nullptr;
    std::unique_ptr<remote::Instrument> instrument_;
    std::map<QTcpSocket*, Client> clients_;
    std::map<Form*, Ticker> tickers_;
    std::string address_;
    uint64_t told_revision_ = 0;
    uint64_t own_revision_ = 0;
    bool taking_input_ = false;
    std::atomic<bool> follow_posted_ = false; // an after_change is on its way from a tick
};

} // namespace zqf::qt
