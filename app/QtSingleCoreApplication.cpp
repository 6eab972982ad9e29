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

LocalPeer *QtSingleCoreApplication::instancePeer()
{
    auto *app = qobject_cast<QtSingleCoreApplication *>(QCoreApplication::instance());
    return app ? app->m_peer : nullptr;
}
