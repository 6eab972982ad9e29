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

    LocalPeer &peer() { return *m_peer; }
    // The application's channel when the running application is one of these.
    static LocalPeer *instancePeer();

signals:
    void messageReceived(const QString &message);

private:
    QString m_id;
    LocalPeer *m_peer = nullptr;
};
