#include "SingleInstance.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace tornivo::app {

namespace {

constexpr int kAnswerMs = 3000;  // a busy first process still answers within this
const QByteArray kAsk = "show\n";
const QByteArray kAnswer = "ok\n";

}  // namespace

SingleInstance::SingleInstance(QString appId, QString socketFolder, QObject* parent)
    : QObject(parent), appId_(std::move(appId)), socketFolder_(std::move(socketFolder)) {}

SingleInstance::~SingleInstance() {
    if (registeredOnBus_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(appId_);
        bus.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

SingleInstance::Transport SingleInstance::defaultTransport() {
    return QDBusConnection::sessionBus().isConnected() ? Transport::sessionBus
                                                       : Transport::localSocket;
}

QString SingleInstance::defaultSocketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString SingleInstance::socketPath() const {
    // The shared temporary folder holds every user's sockets: the user id keeps them apart.
    const bool shared = socketFolder_ == QDir::tempPath();
    return socketFolder_ + QLatin1Char('/') + appId_ +
           (shared ? QStringLiteral("-%1").arg(::getuid()) : QString());
}

SingleInstance::Outcome SingleInstance::claim(Transport transport) {
    return transport == Transport::sessionBus ? claimBus() : claimSocket();
}

SingleInstance::Outcome SingleInstance::claimBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return claimSocket();
    // The object is there before the name, so a start right after the claim finds it.
    const QString path = QString::fromLatin1(kObjectPath);
    bus.registerObject(path, appId_, this, QDBusConnection::ExportAllSlots);
    const auto reply =
        bus.interface()->registerService(appId_, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        registeredOnBus_ = true;
        return Outcome::claimed;
    }
    bus.unregisterObject(path);
    if (!reply.isValid()) return claimSocket();  // a bus that refuses names: the socket then
    const QDBusMessage call =
        QDBusMessage::createMethodCall(appId_, path, appId_, QString::fromLatin1(kShowMethod));
    const QDBusMessage answer = bus.call(call, QDBus::Block, kAnswerMs);
    return answer.type() == QDBusMessage::ReplyMessage ? Outcome::forwarded : Outcome::unanswered;
}

SingleInstance::Outcome SingleInstance::claimSocket() {
    const QString path = socketPath();
    // Two starts at the same moment take turns: otherwise each could remove the other's socket
    // as stale and listen on a name of its own.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kAnswerMs)) return askSocket() ? Outcome::forwarded : Outcome::unanswered;
    if (askSocket()) return Outcome::forwarded;
    QLocalServer::removeServer(path);  // left behind by a process that ended without closing it
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path)) {
        delete server;
        return Outcome::unavailable;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) answer(socket);
    });
    return Outcome::claimed;
}

void SingleInstance::answer(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) return;
        const bool asked = socket->readLine() == kAsk;
        if (asked) socket->write(kAnswer);
        socket->disconnectFromServer();
        if (asked) emit showRequested();
    });
}

bool SingleInstance::askSocket() const {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(kAnswerMs)) return false;
    socket.write(kAsk);
    if (!socket.waitForBytesWritten(kAnswerMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerMs)) return false;
    return socket.readLine() == kAnswer;
}

}  // namespace tornivo::app
