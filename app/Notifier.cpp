#include "Notifier.h"

#include <QDebug>

Notifier::Notifier(QObject *parent)
    : QObject(parent)
{
}

void Notifier::debugLine(const QString &text)
{
    qDebug().noquote() << text;
    record(QStringLiteral("debug: ") + text);
}

void Notifier::balloon(const QString &title, const QString &text)
{
    if (m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        m_tray->showMessage(title, text, QSystemTrayIcon::Information, kBalloonMs);
    // Also on the debug output, for desktops without a tray and for the log.
    qDebug().noquote() << QStringLiteral("[%1] %2").arg(title, text);
    record(QStringLiteral("balloon: ") + title + QStringLiteral(": ") + text);
}

void Notifier::record(const QString &entry)
{
    m_history.append(entry);
    if (m_history.size() > kHistoryMax)
        m_history.removeFirst();
    emit said(entry);
}
