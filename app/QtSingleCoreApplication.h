#pragma once
// The application object that is also the single-instance guard: one
// instance per executable path and user logon.

#include <QApplication>

class LocalPeer;

class QtSingleCoreApplication : public QApplication
{
    Q_OBJECT
public:
    // The id is the executable's full path, so copies in different folders
    // do not see each other.
    QtSingleCoreApplication(int &argc, char **argv);

    bool isRunning();
    QString id() const { return m_id; }

    // Answers the message being handled (inside messageReceived), when the
    // running application is one of these; the sender waits for it.
    static void answerMessage(const QString &reply);

public slots:
    bool sendMessage(const QString &message, int timeout = 5000);

signals:
    void messageReceived(const QString &message);

private:
    QString m_id;
    LocalPeer *m_peer = nullptr;
};
