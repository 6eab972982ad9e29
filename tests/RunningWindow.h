#pragma once
// The program's main window on a scratch copy of the installed settings and
// language files, that folder made the working folder as the program makes
// its own, with a plugged virtual mouse; started until its pages are up.

#include "ViewHarness.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QDir>
#include <QQmlExpression>
#include <QQuickItem>
#include <QtTest>

namespace RunningWindow {

// Copies the tree into `root`, makes it the working folder, plugs a mouse;
// returns the mouse's unit.
inline int prepare(const QString &root)
{
    ViewHarness::copyFolder(QStringLiteral(SOURCE_DIR "/modules/setting"), root + QStringLiteral("/modules/setting/"));
    ViewHarness::copyFolder(QStringLiteral(SOURCE_DIR "/modules/i18n"), root + QStringLiteral("/modules/i18n/"));
    QDir().mkpath(root + QStringLiteral("/modules/macro"));
    QDir::setCurrent(root);
    vmouse::reset();
    return vmouse::plugMouse();
}

// JavaScript run on the root page.
inline QVariant page(Widget &w, const QString &code)
{
    QQuickItem *root = w.view()->rootObject();
    return QQmlExpression(qmlContext(root), root, code).evaluate();
}

// Shows the window and connects the mouse; true once the pages are up.
inline bool start(Widget &w)
{
    w.show();
    w.checkDevice();
    return QTest::qWaitFor([&w] { return page(w, QStringLiteral("isPowerOn && fullPage")).toBool(); }, 10000);
}

} // namespace RunningWindow
