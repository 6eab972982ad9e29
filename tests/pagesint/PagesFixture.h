#pragma once
// The real view on a copy of the installed tree (settings, an empty macro
// folder, the gun file), a device link to a plugged virtual mouse, and the
// pages in a harness wired as the root page wires them.

#include "ViewHarness.h"

struct PagesFixture : ViewHarness {
    enum Page { Harness, RootPage };

    // The harness, or the program's own root page.
    explicit PagesFixture(Page page = Harness)
    {
        load(page == RootPage ? QUrl(QString::fromLatin1(kRootPage))
                              : QUrl::fromLocalFile(QStringLiteral(SOURCE_DIR "/tests/pagesint/PagesHarness.qml")));
        view->show();
    }

    // A panel of the root page, by its object name.
    QObject *page(const char *objectName) const
    {
        return view->rootObject()->findChild<QObject *>(QString::fromLatin1(objectName));
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
