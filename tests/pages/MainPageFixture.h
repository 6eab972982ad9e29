#pragma once
// The real root page in the real view, on a copy of the installed settings,
// with the device link to a plugged virtual mouse and the window controller
// published as the main window publishes them.

#include "Catalogue.h"
#include "Hid_Thread.h"
#include "SettingsFiles.h"
#include "Ui_Controler.h"
#include "VirtualMouse.h"
#include "myQQuickView.h"

#include <QDir>
#include <QFile>
#include <QJSValue>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

struct MainPageFixture {
    QTemporaryDir dir;
    int unit = 0;
    QWidget window;
    Hid_Thread hid;
    Ui_Controler controler;
    myQQuickView *view = nullptr;

    // `prepare` may change the copied settings before the view opens them.
    explicit MainPageFixture(uint16_t pid = vmouse::kProduct3336,
                             const std::function<void(const QString &settingDir)> &prepare = {})
    {
        vmouse::reset();
        const QString settingDir = dir.filePath(QStringLiteral("setting/"));
        QDir().mkpath(settingDir);
        const QDir installed(QStringLiteral(SOURCE_DIR "/modules/setting"));
        for (const QString &f : installed.entryList(QDir::Files)) {
            QFile::copy(installed.filePath(f), settingDir + f);
            QFile(settingDir + f).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        QDir().mkpath(dir.filePath(QStringLiteral("macro")));
        if (prepare)
            prepare(settingDir);

        unit = vmouse::plugMouse(pid);
        hid.scanDevices(readCatalogue(QString::fromLatin1(kCatalogueResource), {}).records);
        view = new myQQuickView(settingDir, QStringLiteral(SOURCE_DIR "/modules/i18n/"), &window);
        view->setDevice(&hid);
        controler.setWindow(&window);
        controler.setView(view);
        QQmlContext *context = view->rootContext();
        context->setContextProperty(QStringLiteral("ui_View"), view);
        context->setContextProperty(QStringLiteral("hid"), &hid);
        context->setContextProperty(QStringLiteral("ui_Ctl"), &controler);
        view->setSource(QUrl(QString::fromLatin1(kRootPage)));
        if (view->status() != QQuickWidget::Ready)
            qWarning() << view->errors();
        window.resize(view->size());
        window.show();
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

    // Command bytes of the short reports sent since the last clearTrace.
    static QStringList sentCommands()
    {
        QStringList out;
        for (const vmouse::CallRecord &c : vmouse::trace())
            if (c.call == vmouse::Call::SendFeature && c.bytes.size() > 1)
                out << QString::asprintf("%02x", c.bytes[1]);
        return out;
    }

    static QStringList sentShortReports()
    {
        QStringList out;
        for (const vmouse::CallRecord &c : vmouse::trace())
            if (c.call == vmouse::Call::SendFeature)
                out << QByteArray(reinterpret_cast<const char *>(c.bytes.data()), int(c.bytes.size())).toHex(' ');
        return out;
    }

    QVariant stored(int profile, const QString &key)
    {
        view->settings().currentProfile()->sync();
        return QSettings(dir.filePath(QStringLiteral("setting/p%1.bin").arg(profile + 1)), QSettings::IniFormat).value(key);
    }
};
