#pragma once
// Records what the capture reports, and on which thread, for the tests.

#include "KeyCapture.h"

#include <QtTest>

#include <vector>

struct KeyReport {
    int usage;
    bool pressed;
    bool operator==(const KeyReport &o) const { return usage == o.usage && pressed == o.pressed; }
};

struct ButtonReport {
    int button;
    bool pressed;
    int x, y;
    bool operator==(const ButtonReport &o) const
    {
        return button == o.button && pressed == o.pressed && x == o.x && y == o.y;
    }
};

using Keys = std::vector<KeyReport>;
using Buttons = std::vector<ButtonReport>;

inline char *toString(const Keys &keys)
{
    QByteArray text;
    for (const KeyReport &k : keys)
        text += QByteArray::number(k.usage, 16) + (k.pressed ? "+ " : "- ");
    return qstrdup(text.constData());
}

inline char *toString(const Buttons &buttons)
{
    QByteArray text;
    for (const ButtonReport &b : buttons)
        text += QByteArray::number(b.button, 16) + (b.pressed ? "+@" : "-@") + QByteArray::number(b.x) + ","
            + QByteArray::number(b.y) + " ";
    return qstrdup(text.constData());
}

struct CaptureRecorder {
    Keys keys;
    Buttons buttons;
    int offGuiThread = 0;

    static void onKey(std::uint8_t usage, bool pressed, void *context)
    {
        auto *r = static_cast<CaptureRecorder *>(context);
        r->noteThread();
        r->keys.push_back({usage, pressed});
    }
    static void onButton(std::uint8_t button, bool pressed, int x, int y, void *context)
    {
        auto *r = static_cast<CaptureRecorder *>(context);
        r->noteThread();
        r->buttons.push_back({button, pressed, x, y});
    }
    void noteThread()
    {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            ++offGuiThread;
    }
    void clear()
    {
        keys.clear();
        buttons.clear();
    }
};
