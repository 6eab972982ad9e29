#include "SceneGraphBackend.h"

#include <QQuickWindow>
#include <QSGRendererInterface>

void chooseSceneGraphBackend()
{
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        return;
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    // Nothing draws through OpenGL then: keep the X11 platform plugin from
    // loading it at start.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
