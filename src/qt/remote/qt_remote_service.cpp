#include "qt/remote/qt_remote_service.h"

#include "core/windows/program.h"
#include "qt/host/form_timers.h"
#include "qt/host/qt_host.h"
#include "remote/limits.h"
#include "remote/listen_address.h"
#include "remote/panel_controls.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <filesystem>

namespace zqf::qt {

namespace {

constexpr std::string_view exerciser_windows[] = {remote::panel::sweep_window::name,
                                                  remote::panel::hop_window::name};
// How long input waits while a dialog of the desktop is up, before it is looked at again.
constexpr int dialog_wait_ms = 20;
constexpr qint64 read_block = 64 * 1024;

} // namespace

// Runs the ticks of one exerciser window through the service, which makes
// sure the window is still the one the client started.
class QtRemoteService::TickRunner final : public ActionRunner {
  public:
    TickRunner(QtRemoteService& service, Form* form, std::string_view name)
        : service_(service), form_(form), name_(name) {}
    void run(const std::function<void()>& action) override { run_tick(action); }
    void run_tick(const std::function<void()>& tick) override { service_.tick(form_, name_, tick); }

  private:
    QtRemoteService& service_;
    Form* form_;
    std::string_view name_;
};

QtRemoteService::QtRemoteService(Program& program, remote::DivertingHost& host, QtHost& runner,
                                 std::string version)
    : program_(program), host_(host), runner_(runner), version_(std::move(version)) {}

QtRemoteService::~QtRemoteService() {
    stop();
}

std::optional<std::string> QtRemoteService::start(const std::string& address,
                                                  const std::string& folder) {
    if (listening()) {
        return "it is listening already";
    }
    const auto parsed = remote::parse_listen_address(address);
    if (const auto* reason = std::get_if<std::string>(&parsed)) {
        return *reason;
    }
    const remote::ListenAddress wanted = std::get<remote::ListenAddress>(parsed);
    const QHostAddress host = wanted.host == "localhost"
                                  ? QHostAddress(QHostAddress::LocalHost)
                                  : QHostAddress(QString::fromStdString(wanted.host));
    if (host.isNull()) {
        return "'" + wanted.host + "' is no numeric address";
    }
    if (!folder.empty() && !std::filesystem::is_directory(folder)) {
        return "'" + folder + "' is no folder";
    }
    auto* server = new QTcpServer(this);
    server->setMaxPendingConnections(static_cast<int>(remote::max_clients) + 1);
    if (!server->listen(host, wanted.port)) {
        const std::string reason = server->errorString().toStdString();
        delete server;
        return "cannot listen at " + wanted.text() + ": " + reason;
    }
    server_ = server;
    remote::ListenAddress bound = wanted;
    bound.port = server->serverPort();
    address_ = bound.text();
    instrument_ = std::make_unique<remote::Instrument>(
        program_, host_,
        remote::InstrumentSetup{
            version_, folder.empty() ? std::nullopt : std::optional<std::string>(folder), {}},
        [this](remote::ClientId client, std::string_view bytes) { send(client, bytes); });
    connect(server_, &QTcpServer::newConnection, this, [this] { accept_clients(); });
    ++own_revision_;
    after_change();
    return std::nullopt;
}

void QtRemoteService::stop() {
    if (!listening()) {
        return;
    }
    for (auto& [socket, client] : clients_) {
        if (client.socket) {
            client.socket->disconnect(this);
            client.socket->abort();
            client.socket->deleteLater();
        }
    }
    clients_.clear();
    for (auto& [form, ticker] : tickers_) {
        ticker.timers->unbind();
        ticker.timers->deleteLater();
    }
    tickers_.clear();
    // What clients started stops with them, as a user's action would stop it.
    runner_.run([this] { instrument_.reset(); });
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
    address_.clear();
    ++own_revision_;
    after_change();
}

std::vector<std::string> QtRemoteService::clients() const {
    const std::scoped_lock hold(runner_.model_lock());
    std::vector<std::string> out;
    if (instrument_) {
        for (const remote::ClientInfo& client : instrument_->clients()) {
            out.push_back(client.peer);
        }
    }
    return out;
}

std::vector<RemoteCommand> QtRemoteService::recent() const {
    const std::scoped_lock hold(runner_.model_lock());
    std::vector<RemoteCommand> out;
    if (instrument_) {
        for (const remote::Activity& activity : instrument_->activity()) {
            out.push_back({activity.time_ms, activity.client, activity.command, activity.outcome});
        }
    }
    return out;
}

uint64_t QtRemoteService::revision() const {
    const std::scoped_lock hold(runner_.model_lock());
    return own_revision_ + (instrument_ ? instrument_->revision() : 0);
}

void QtRemoteService::accept_clients() {
    while (QTcpSocket* socket = server_ != nullptr ? server_->nextPendingConnection() : nullptr) {
        const QString peer = socket->peerAddress().toString();
        const std::string text = (peer.contains(QLatin1Char(':')) ? "[" + peer.toStdString() + "]"
                                                                  : peer.toStdString()) +
                                 ":" + std::to_string(socket->peerPort());
        const std::optional<remote::ClientId> id = instrument_->connect(text);
        if (!id) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Bounded: what a client sends ahead waits in the system, not here.
        socket->setReadBufferSize(read_block);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        clients_[socket] = Client{socket, *id};
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { take_input(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { forget(socket); });
    }
    after_change();
}

void QtRemoteService::take_input(QTcpSocket* socket) {
    const auto it = clients_.find(socket);
    if (it == clients_.end() || !instrument_ || taking_input_) {
        return;
    }
    // A dialog of the desktop waits for its user: no handler runs behind it.
    if (runner_.timers_paused()) {
        QTimer::singleShot(dialog_wait_ms, this, [this, guard = QPointer<QTcpSocket>(socket)] {
            if (guard) {
                take_input(guard);
            }
        });
        return;
    }
    const remote::ClientId id = it->second.id;
    taking_input_ = true;
    const auto accepting = [this, id] {
        const std::scoped_lock hold(runner_.model_lock());
        return instrument_ && instrument_->accepts_input(id);
    };
    while (socket->bytesAvailable() > 0 && accepting()) {
        const QByteArray bytes = socket->read(read_block);
        runner_.run([this, id, &bytes] {
            instrument_->receive(
                id, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        });
    }
    taking_input_ = false;
    after_change();
}

void QtRemoteService::send(remote::ClientId client, std::string_view bytes) {
    // A response made by a tick goes out from the window thread, which owns the sockets.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, client, text = std::string(bytes)] { send(client, text); },
            Qt::QueuedConnection);
        return;
    }
    for (auto& [socket, entry] : clients_) {
        if (entry.id != client || !entry.socket) {
            continue;
        }
        entry.socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (entry.socket->bytesToWrite() > static_cast<qint64>(remote::max_unread_output)) {
            // It does not read what it asked for: closed once the command is over.
            QPointer<QTcpSocket> doomed = entry.socket;
            doomed->disconnect(this);
            QTimer::singleShot(0, this, [this, doomed] {
                if (doomed) {
                    forget(doomed);
                    doomed->abort();
                    doomed->deleteLater();
                }
            });
        }
        return;
    }
}

void QtRemoteService::forget(QTcpSocket* socket) {
    const auto it = clients_.find(socket);
    if (it == clients_.end()) {
        return;
    }
    if (instrument_) {
        instrument_->disconnect(it->second.id);
    }
    clients_.erase(it);
    socket->deleteLater();
    after_change();
}

void QtRemoteService::tick(Form* form, std::string_view name, const std::function<void()>& fire) {
    // On the tick thread: the tick runs under the model lock; the sockets and
    // the windows follow on the window thread, and only when the tick changed
    // what they show (a finished sweep answers *OPC?), so a hop never wakes it.
    bool changed_anything = false;
    runner_.run_tick([&] {
        if (!instrument_ || instrument_->panel().exerciser(name) != form ||
            runner_.timers_paused()) {
            return;
        }
        const uint64_t before = revision();
        instrument_->run_tick(fire);
        changed_anything = revision() != before;
    });
    if (changed_anything && !follow_posted_.exchange(true)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                follow_posted_ = false;
                after_change();
            },
            Qt::QueuedConnection);
    }
}

void QtRemoteService::follow_exercisers() {
    for (auto it = tickers_.begin(); it != tickers_.end();) {
        bool ours = false;
        for (const std::string_view name : exerciser_windows) {
            ours = ours || (instrument_ && instrument_->panel().exerciser(name) == it->first);
        }
        if (ours) {
            ++it;
            continue;
        }
        it->second.timers->unbind();
        it->second.timers->deleteLater();
        it = tickers_.erase(it);
    }
    if (!instrument_) {
        return;
    }
    for (const std::string_view name : exerciser_windows) {
        Form* form = instrument_->panel().exerciser(name);
        if (form == nullptr || tickers_.count(form) != 0) {
            continue;
        }
        auto runner = std::make_unique<TickRunner>(*this, form, name);
        auto* timers = new FormTimers(*form, *this, *runner, runner_.tick_thread(),
                                      runner_.model_lock(), false);
        tickers_[form] = Ticker{std::move(runner), timers};
    }
}

void QtRemoteService::after_change() {
    follow_exercisers();
    if (revision() != told_revision_) {
        told_revision_ = revision();
        changed();
    }
    // Input that waited for an operation to complete goes on.
    const std::scoped_lock hold(runner_.model_lock());
    for (const auto& [socket, client] : clients_) {
        if (client.socket && client.socket->bytesAvailable() > 0 && instrument_ &&
            instrument_->accepts_input(client.id) && !taking_input_) {
            QTimer::singleShot(0, this, [this, guard = client.socket] {
                if (guard) {
                    take_input(guard);
                }
            });
        }
    }
}

} // namespace zqf::qt
