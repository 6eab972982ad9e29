#include "Notifier.h"

#include "DesktopNotification.h"
#include "Tray.h"

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
    // Also on the debug output, for the log.
    qDebug().noquote() << QStringLiteral("[%1] %2").arg(title, text);
    record(QStringLiteral("balloon: ") + title + QStringLiteral(": ") + text);
    if (m_tray && m_tray->isVisible() && trayAvailable()) {
        m_tray->showMessage(title, text, QSystemTrayIcon::Information, kBalloonMs);
        return;
    }
    QPointer<Notifier> self(this);
    platform::sendDesktopNotification(title.toStdString(), text.toStdString(), kBalloonMs,
                                      [self](const std::string &reason) {
                                          const QString why = QString::fromStdString(reason);
                                          if (!self || self->m_failureReasons.contains(why))
                                              return;
                                          self->m_failureReasons.append(why);
                                          self->debugLine(QStringLiteral("Notification not shown: ") + why);
                                      });
}

void Notifier::record(const QString &entry)
{
    m_history.append(entry);
    if (m_history.size() > kHistoryMax)
        m_history.removeFirst();
    emit said(entry);
}
