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
        for (const char byte : slotBytes(index).left(count))
            out << uchar(byte);
        return out;
    }

    // Bytes of a macro slot up to its end marker, walking whole events; -1
    // when it has none or anything but zeros follows it.
    static int playedLength(const QByteArray &slot)
    {
        int p = 2;
        while (p + 1 < slot.size() && !(slot[p] == 0 && slot[p + 1] == 0))
            p += (slot[p] & 0x7F) == 0x7F ? 4 : 2;
        if (p + 1 >= slot.size())
            return -1;
        for (int i = p + 2; i < slot.size(); ++i)
            if (slot[i] != 0)
                return -1;
        return p + 2;
    }
    QByteArray slotBytes(int index) const
    {
        const auto state = vmouse::firmwareState(unit);
        const auto &bytes = state.macros.at(size_t(index));
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
    }
    int slotLength(int index) const { return playedLength(slotBytes(index)); }
};
