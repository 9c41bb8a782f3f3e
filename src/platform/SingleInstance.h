#pragma once
// One running instance per user session. The guard is an advisory lock on a file, which the system
// releases when the owning process ends in any way, so a start after a crash always proceeds. The
// running instance listens on a local socket so that a second start can ask it to come to the front.
#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` names the lock and the socket ("quorvane").
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process now holds the lock (and listens for activation requests).
    bool tryAcquire();
    // From a second instance: asks the running one to bring its main window forward.
    bool requestActivation(int timeoutMs = 1000) const;

signals:
    void activationRequested();

private:
    QString lockPath() const;
    QString socketPath() const;

    QString name_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
};
