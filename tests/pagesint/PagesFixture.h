#pragma once
// The real view on a copy of the installed tree (settings, an empty macro
// folder, the gun file), a device link to a plugged virtual mouse, and the
// pages in a harness wired as the root page wires them.

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
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

struct PagesFixture {
    QTemporaryDir dir;
    int unit = 0;
    Hid_Thread hid;
    std::unique_ptr<myQQuickView> view;

    enum Page { Harness, RootPage };

    // The harness, or the program's own root page with the device link
    // published as the program publishes it.
    explicit PagesFixture(Page page = Harness)
    {
        vmouse::reset();
        copyFolder(QStringLiteral(SOURCE_DIR "/modules/setting"), path("setting/"));
        copyFolder(QStringLiteral(SOURCE_DIR "/modules/gun"), path("gun/"));
        QDir().mkpath(path("macro/"));

        unit = vmouse::plugMouse(vmouse::kProduct3336);
        hid.scanDevices(readCatalogue(QString::fromLatin1(kCatalogueResource), {}).records);
        view = std::make_unique<myQQuickView>(path("setting/"), QStringLiteral(SOURCE_DIR "/modules/i18n/"));
        view->setDevice(&hid);
        view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());
        view->rootContext()->setContextProperty(QStringLiteral("hid"), &hid);
        view->setSource(page == RootPage ? QUrl(QString::fromLatin1(kRootPage))
                                         : QUrl::fromLocalFile(QStringLiteral(SOURCE_DIR "/tests/pagesint/PagesHarness.qml")));
        if (view->status() != QQuickWidget::Ready)
            qWarning() << view->errors();
        view->show();
        vmouse::clearTrace();
    }

    // A panel of the root page, by its object name.
    QObject *page(const char *objectName) const
    {
        return view->rootObject()->findChild<QObject *>(QString::fromLatin1(objectName));
    }

    QString path(const char *relative) const { return dir.filePath(QString::fromLatin1(relative)); }

    static void copyFolder(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        for (const QString &f : QDir(from).entryList(QDir::Files)) {
            QFile::copy(from + QLatin1Char('/') + f, to + f);
            QFile(to + f).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }

    bool ready() const { return view->status() == QQuickWidget::Ready && view->rootObject(); }

    // Runs JavaScript in the harness, where the pages' ids are in scope.
    QVariant run(const QString &code)
    {
        QVariant result;
        QMetaObject::invokeMethod(view->rootObject(), "run", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, code));
        return result.userType() == qMetaTypeId<QJSValue>() ? result.value<QJSValue>().toVariant() : result;
    }

    // A key of the current profile (p1.bin) as the file now holds it.
    QVariant stored(const QString &key)
    {
        view->settings().currentProfile()->sync();
        return QSettings(path("setting/p1.bin"), QSettings::IniFormat).value(key);
    }

    QVariant fileValue(const char *relative, const QString &key) const
    {
        return QSettings(path(relative), QSettings::IniFormat).value(key);
    }

    static QStringList numbers(const QVariant &list)
    {
        QStringList out;
        for (const QVariant &v : list.toList())
            out << v.toString();
        return out;
    }

    std::vector<uint8_t> slot(int index) const
    {
        const vmouse::FirmwareState state = vmouse::firmwareState(unit);
        const auto &bytes = state.macros.at(size_t(index));
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }

    // The first `count` bytes of a macro slot, as a list to compare.
    QList<int> slotStart(int index, int count) const
    {
        QList<int> out;
        const std::vector<uint8_t> bytes = slot(index);
        for (int i = 0; i < count; ++i)
            out << bytes.at(size_t(i));
        return out;
    }
};
