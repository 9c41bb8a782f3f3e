#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString runtimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && QDir(QString::fromLocal8Bit(runtime)).exists()) {
        return QString::fromLocal8Bit(runtime);
    }
    return QDir::tempPath();
}
} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() {
    if (lockFd_ >= 0) {
        ::close(lockFd_);
    }
}

QString SingleInstance::lockPath() const {
    return runtimeFolder() + "/" + name_ + "-" + QString::number(::getuid()) + ".lock";
}

QString SingleInstance::socketPath() const {
    return runtimeFolder() + "/" + name_ + "-" + QString::number(::getuid()) + ".socket";
}

bool SingleInstance::tryAcquire() {
    const QByteArray path = lockPath().toLocal8Bit();
    // Open without creating first: a second instance must not touch any file.
    int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    }
    if (fd < 0) {
        return true; // no place for a lock: better to run than to refuse
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lockFd_ = fd;
    server_ = new QLocalServer(this);
    QLocalServer::removeServer(socketPath()); // a socket left by a crashed instance
    if (server_->listen(socketPath())) {
        connect(server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_->nextPendingConnection()) {
                socket->deleteLater();
                emit activationRequested();
            }
        });
    }
    return true;
}

bool SingleInstance::requestActivation(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    bool connected = socket.waitForConnected(timeoutMs);
    socket.disconnectFromServer();
    return connected;
}
