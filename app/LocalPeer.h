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

    // How a message to the running instance went.
    enum class Delivery {
        Taken,        // the instance acknowledged it (and answered a request)
        NoListener,   // nobody listens on the channel: the lock's owner is gone
        NoAck,        // a listener took the connection but did not acknowledge
        NoAnswer,     // acknowledged, but no answer to a request in time
    };
    struct Outcome {
        Delivery delivery = Delivery::NoListener;
        QString answer;
    };
    using Sender = QPointer<QLocalSocket>;

    // True while another process holds the id. The first call that finds the
    // id free takes it for this process and starts listening; a lock left by
    // a process that died is taken over, and `takeOverNote` says so.
    bool isClient();
    // Hands `message` to the running instance, which acknowledges it within
    // `ackTimeoutMs`; a request then waits up to `answerTimeoutMs` for its
    // answer.
    Outcome deliver(const QString &message, int ackTimeoutMs);
    Outcome request(const QString &message, int ackTimeoutMs, int answerTimeoutMs);
    bool sendMessage(const QString &message, int timeoutMs);
    // Takes the id from an owner that could not be confirmed (no listener,
    // no acknowledgement): its lock file is removed and this process listens.
    // False when the lock cannot be taken even so.
    bool takeOver();
    // A line for the output when a lock was taken over; empty otherwise.
    QString takeOverNote() const { return m_takeOverNote; }

    // The sender of the message being handled (inside messageReceived), to
    // answer it then or later; the sender of a plain message does not wait
    // for an answer, and one to it is dropped.
    Sender currentSender() const { return m_handling; }
    static void answerTo(const Sender &sender, const QString &reply);
    void answer(const QString &reply) { answerTo(m_handling, reply); }

    QString socketName() const { return m_socketName; }
    QString lockFilePath() const;

signals:
    void messageReceived(const QString &message);

private:
    void listen();
    void acceptConnections();
    void readFrom(QLocalSocket *socket);
    // Connects and sends one frame, then waits for the acknowledgement.
    Delivery send(QLocalSocket &socket, const QString &message, const std::function<int()> &remaining);

    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    Sender m_handling;  // sender of the message being handled
    QString m_takeOverNote;
};
