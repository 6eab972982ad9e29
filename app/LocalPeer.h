#pragma once
// The single-instance guard: a lock file taken by the first instance of an
// id, and a local socket on which that instance receives texts from later ones.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

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

    QString socketName() const { return m_socketName; }
    QString lockFilePath() const;

signals:
    void messageReceived(const QString &message);

private:
    void acceptConnections();
    void readFrom(QLocalSocket *socket);

    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
