#pragma once
// The program's root page in the real view against a plugged virtual mouse,
// with helpers for the button, macro, gun and axis pages: stored entries as
// text, the mouse's macro slots, values in the files of the scratch tree.

#include "MainPageFixture.h"

struct PagesFixture : MainPageFixture {
    using MainPageFixture::stored;
    using ViewHarness::stored;  // of the current profile

    // A macro with the events given as stored strings, made in the editor
    // and filled through the view; returns its name.
    QString makeMacro(const QString &events)
    {
        const QString name = js(QStringLiteral("macroEditorMain.newMacro()")).toString();
        js(QStringLiteral("ui_View.saveMacroIni('%1', [%2], [], 1)").arg(name, events));
        return name;
    }

    // Button `button` plays the macro at `macro` in the list, in play mode `mode`.
    void assignMacro(int button, int macro, int mode = 0)
    {
        js(QStringLiteral("mouseMain.selectKey = %1; macroKeyMain.showUI(); macroKeyMain.choose(%2);"
                          " macroKeyMain.playMode = %3; macroKeyMain.accept()").arg(button).arg(macro).arg(mode));
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

    // The first `count` bytes of a macro slot, as a list to compare.
    QList<int> slotStart(int index, int count) const
    {
        QList<int> out;
        const vmouse::FirmwareState state = vmouse::firmwareState(unit);
        const auto &bytes = state.macros.at(size_t(index));
        for (int i = 0; i < count; ++i)
            out << bytes.at(size_t(i));
        return out;
    }

    // Bytes of a macro slot up to its end marker, walking whole events;
    // -1 when no end marker follows.
    int slotLength(int index) const
    {
        const auto bytes = vmouse::firmwareState(unit).macros.at(size_t(index));
        for (size_t p = 2; p + 1 < bytes.size(); p += (bytes[p] & 0x7F) == 0x7F ? 4 : 2) {
            if (bytes[p] == 0 && bytes[p + 1] == 0)
                return int(p + 2);
        }
        return -1;
    }
};
