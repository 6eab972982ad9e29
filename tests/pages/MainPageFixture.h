#pragma once
// The real root page in the view harness (real view, scratch settings,
// virtual mouse), with the window controller published as "ui_Ctl" as the
// main window publishes it.

#include "Ui_Controler.h"
#include "ViewHarness.h"

#include <QQmlExpression>
#include <QWidget>

struct MainPageFixture : ViewHarness {
    QWidget window;
    Ui_Controler controler;

    explicit MainPageFixture(uint16_t pid = vmouse::kProduct3336)
        : ViewHarness(pid)
    {
        controler.setWindow(&window);
        showPage();
    }

    // The root page in the current view, under the window controller.
    void showPage()
    {
        controler.setView(view.get());
        view->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &controler);
        load(QUrl(QString::fromLatin1(kRootPage)));
        view->show();
    }

    QQuickItem *root() const { return view->rootObject(); }

    // Runs JavaScript in the root page's scope, where the panels' ids resolve.
    QVariant js(const QString &code)
    {
        QQmlExpression expression(qmlContext(root()), root(), code);
        QVariant result = expression.evaluate();
        if (expression.hasError())
            qWarning() << expression.error();
        return result.userType() == qMetaTypeId<QJSValue>() ? result.value<QJSValue>().toVariant() : result;
    }

    // The first connect of a mouse, until the page shows in full.
    void start(uchar sensor = 0)
    {
        view->initUI(sensor);
        QTRY_VERIFY(root()->property("isPowerOn").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(root()->property("fullPage").toBool(), 3000);
        QTRY_VERIFY(view->isEnabled());
        vmouse::clearTrace();
    }

    // A settings handle the view holds open: profile `index`, or apConfig.bin.
    QSettings *profile(int index) const { return view->settings().profile(index); }
    QSettings *appConfig() const { return view->settings().appConfig(); }

    // Command bytes of the short reports sent since the last clearTrace.
    static QStringList sentCommands()
    {
        QStringList out;
        for (const QString &report : sentShortReports())
            out << report.mid(3, 2);
        return out;
    }

    // `count` bytes of a firmware array from `from`, as hex pairs.
    template <size_t N>
    static QString hex(const std::array<uint8_t, N> &bytes, int from = 0, int count = int(N))
    {
        return QByteArray(reinterpret_cast<const char *>(bytes.data()) + from, count).toHex(' ');
    }

    QVariant stored(int index, const QString &key)
    {
        profile(index)->sync();
        return QSettings(view->settings().fileName(index), QSettings::IniFormat).value(key);
    }

    // Profile `index`'s file as it is on disk (the open handle not synced).
    QByteArray profileBytes(int index) const
    {
        QFile file(view->settings().fileName(index));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};
