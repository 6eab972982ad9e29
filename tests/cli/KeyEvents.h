#pragma once
// Stored macro events for the macro tests: `count` key events, press and
// release in turn of A, B, ... T, `gapMs` apart.
#include <QStringList>

inline QStringList keyEvents(int count, int gapMs = 0)
{
    QStringList out;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && gapMs > 0)
            out << QStringLiteral("0,%1").arg(gapMs);
        out << QStringLiteral("%1,%2").arg(i % 2 ? 2 : 1).arg(QChar(QLatin1Char('A' + (i / 2) % 20)));
    }
    return out;
}
