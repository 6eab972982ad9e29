#pragma once
// A view on a copy of the installed settings, a device link to a plugged
// virtual mouse, and a test page that calls the view as the pages do.

#include "Catalogue.h"
#include "Hid_Thread.h"
#include "SettingsFiles.h"
#include "VirtualMouse.h"
#include "myQQuickView.h"

#include <QDir>
#include <QFile>
#include <QJSValue>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

struct ViewFixture {
    QTemporaryDir dir;
    int unit = 0;
    Hid_Thread hid;
    std::unique_ptr<myQQuickView> view;

    // Copies the installed settings, plugs a mouse of `pid` and connects the
    // view to the device link. The page runs any JavaScript given to call().
    explicit ViewFixture(uint16_t pid = vmouse::kProduct3336)
    {
        vmouse::reset();
        const QString settingDir = dir.filePath(QStringLiteral("setting/"));
        QDir().mkpath(settingDir);
        const QDir installed(QStringLiteral(SOURCE_DIR "/modules/setting"));
        for (const QString &f : installed.entryList(QDir::Files))
            QFile::copy(installed.filePath(f), settingDir + f);
        for (const QString &f : QDir(settingDir).entryList(QDir::Files))
            QFile(settingDir + f).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        unit = vmouse::plugMouse(pid);
        hid.scanDevices(readCatalogue(QString::fromLatin1(kCatalogueResource), {}).records);
        view = std::make_unique<myQQuickView>(settingDir, QStringLiteral(SOURCE_DIR "/modules/i18n/"));
        view->setDevice(&hid);
        view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());

        const QString page = dir.filePath(QStringLiteral("page.qml"));
        QFile f(page);
        f.open(QIODevice::WriteOnly);
        f.write("import QtQuick 2.15\nItem { function run(code) { return eval(code) } }\n");
        f.close();
        view->setSource(QUrl::fromLocalFile(page));
        vmouse::clearTrace();
    }

    // Runs JavaScript in the page, as a page would call the view.
    QVariant call(const QString &code)
    {
        QVariant result;
        QMetaObject::invokeMethod(view->rootObject(), "run", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, code));
        return result.userType() == qMetaTypeId<QJSValue>() ? result.value<QJSValue>().toVariant() : result;
    }

    QString profileFile() const { return dir.filePath(QStringLiteral("setting/p1.bin")); }
    QVariant stored(const QString &key)
    {
        view->settings().currentProfile()->sync();
        return QSettings(profileFile(), QSettings::IniFormat).value(key);
    }

    // The feature reports sent since the last clearTrace, as hex lines.
    static QStringList sentShortReports()
    {
        QStringList out;
        for (const vmouse::CallRecord &c : vmouse::trace())
            if (c.call == vmouse::Call::SendFeature)
                out << QByteArray(reinterpret_cast<const char *>(c.bytes.data()), int(c.bytes.size())).toHex(' ');
        return out;
    }
};
