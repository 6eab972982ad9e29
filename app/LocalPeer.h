#pragma once
// The single-instance guard: a lock file taken by the first instance of an
// id, and a local socket on which that instance receives texts from later ones.

#include <QLockFile>
#include <QPointer>
#include <QObject>
#include <QString>

#include <functional>

#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;

class LocalPeer : public QObject
{
    Q_OBJECT
public:
    // `appId` is hashed into the lock and socket names together with the
    // user's logon, so different logons and different ids never meet.
    explicit LocalPeer(const QString &appId, QObject *parent = nullptr);
    ~LocalPeer() override;

    // True while another process holds the id. The first call that finds the
    // id free takes it for this process and starts listening; a lock left by
    // a process that died is taken over.
    bool isClient();
    bool sendMessage(const QString &message, int timeoutMs);
    // Sends `message` and waits for the running instance's answer to it;
    // nothing when there is no instance or no answer within the time.
    std::optional<QString> request(const QString &message, int timeoutMs);
    // Answers the message being handled (inside messageReceived); the
    // sender of a plain message does not wait for one and it is dropped.
    void answer(const QString &reply);

    QString socketName() const { return m_socketName; }
    QString lockFilePath() const;

signals:
    void messageReceived(const QString &message);

private:
    void acceptConnections();
    void readFrom(QLocalSocket *socket);
    // Connects and sends one frame; false on time-out.
    bool deliver(QLocalSocket &socket, const QString &message, const std::function<int()> &remaining);

    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QPointer<QLocalSocket> m_handling;  // sender of the message being handled
};
