#include "SceneGraphBackend.h"

#include <QDebug>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

void chooseSceneGraphBackend()
{
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        return;  // the user's own choice
    QOpenGLContext probe;
    if (!probe.create()) {
        qDebug("OpenGL is not available: the pages use the software renderer");
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }
}
