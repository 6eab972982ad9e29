#include "QtSingleCoreApplication.h"

#include "LocalPeer.h"

QtSingleCoreApplication::QtSingleCoreApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_id(applicationFilePath())
    , m_peer(new LocalPeer(m_id, this))
{
    connect(m_peer, &LocalPeer::messageReceived, this, &QtSingleCoreApplication::messageReceived);
}

bool QtSingleCoreApplication::isRunning()
{
    return m_peer->isClient();
}

bool QtSingleCoreApplication::sendMessage(const QString &message, int timeout)
{
    return m_peer->sendMessage(message, timeout);
}

void QtSingleCoreApplication::answerMessage(const QString &reply)
{
    if (auto *app = qobject_cast<QtSingleCoreApplication *>(QCoreApplication::instance()))
        app->m_peer->answer(reply);
}
