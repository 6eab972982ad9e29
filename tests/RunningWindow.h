#pragma once
// The program's main window on a scratch copy of the installed settings and
// language files, that folder made the working folder as the program makes
// its own, with a plugged virtual mouse; started until its pages are up.

#include "CommandLine.h"
#include "ViewHarness.h"
#include "Widget.h"

#include <QQmlExpression>

namespace RunningWindow {

// Copies the tree into `root`, makes it the working folder, plugs a mouse; returns the mouse's unit.
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

// The answer to a request carried out by `w`, once it is given; one that
// waits in line behind another arrives later, in `later`.
inline QString carryOut(const QString &message, Widget &w, QString *later = nullptr)
{
    QString answer;
    QString *into = later ? later : &answer;
    carryOutRequest(message, w, [into](const QString &a) { *into = a; });
    return answer;
}

// Shows the window and connects the mouse; true once the pages are up.
inline bool start(Widget &w)
{
    w.show();
    w.checkDevice();
    return QTest::qWaitFor([&w] { return page(w, QStringLiteral("isPowerOn && fullPage")).toBool(); }, 10000);
}

} // namespace RunningWindow
