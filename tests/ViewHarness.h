#pragma once
// The real view on a scratch copy of the installed tree (settings, gun file,
// an empty macro folder), with a device link to a plugged virtual mouse and
// "ui_View" and "hid" published as the program publishes them. Tests load a
// page into it and run JavaScript there, as the pages call the view.

#include "Catalogue.h"
#include "Hid_Thread.h"
#include "SettingsFiles.h"
#include "VirtualMouse.h"
#include "myQQuickView.h"

#include <QJSValue>
#include <QQmlContext>
#include <QQuickItem>
#include <QtTest>

#include <memory>

struct ViewHarness {
    QTemporaryDir dir;
    int unit = 0;
    Hid_Thread hid;
    std::unique_ptr<myQQuickView> view;

    explicit ViewHarness(uint16_t pid = vmouse::kProduct3336)
    {
        vmouse::reset();
        copyFolder(QStringLiteral(SOURCE_DIR "/modules/setting"), path("setting/"));
        copyFolder(QStringLiteral(SOURCE_DIR "/modules/gun"), path("gun/"));
        QDir().mkpath(path("macro/"));

        unit = vmouse::plugMouse(pid);
        hid.scanDevices(readCatalogue(QString::fromLatin1(kCatalogueResource), {}).records);
        openView();
    }

    // A new view on the scratch settings, as the program makes one at start.
    void openView()
    {
        view = std::make_unique<myQQuickView>(path("setting/"), QStringLiteral(SOURCE_DIR "/modules/i18n/"));
        view->setDevice(&hid);
        view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());
        view->rootContext()->setContextProperty(QStringLiteral("hid"), &hid);
    }

    // Loads the page and forgets the traffic so far.
    void load(const QUrl &page)
    {
        view->setSource(page);
        if (view->status() != QQuickWidget::Ready)
            qWarning() << view->errors();
        vmouse::clearTrace();
    }

    QString path(const char *relative) const { return dir.filePath(QString::fromLatin1(relative)); }

    // Runs JavaScript through the page's run(code) function.
    QVariant run(const QString &code)
    {
        QVariant result;
        QMetaObject::invokeMethod(view->rootObject(), "run", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, code));
        return result.userType() == qMetaTypeId<QJSValue>() ? result.value<QJSValue>().toVariant() : result;
    }

    // A key of the current profile as its file now holds it.
    QVariant stored(const QString &key)
    {
        SettingsFiles &files = view->settings();
        files.currentProfile()->sync();
        return QSettings(files.fileName(files.currentProfileIndex()), QSettings::IniFormat).value(key);
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

    static void copyFolder(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        for (const QString &f : QDir(from).entryList(QDir::Files)) {
            QFile::copy(from + QLatin1Char('/') + f, to + f);
            QFile(to + f).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
};
