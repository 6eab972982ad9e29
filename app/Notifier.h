#pragma once
// What the user is told: tray messages and diagnostic lines. Everything goes
// through here so that it is written once and can be read back by tests.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>

class Notifier : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBalloonMs = 10000;
    // Only the latest entries are kept: a mouse left connected for days keeps
    // reporting stage changes.
    static constexpr int kHistoryMax = 256;

    explicit Notifier(QObject *parent = nullptr);

    // The tray icon that shows the messages. Every message is also recorded
    // and written as a debug line.
    void setTrayIcon(QSystemTrayIcon *tray) { m_tray = tray; }

    // A bare line on the debug output ("Device Connect", "cmd Failed 07H", ...).
    void debugLine(const QString &text);
    // A tray message with the information icon; without a tray, a message
    // of the desktop's notification service.
    void balloon(const QString &title, const QString &text);

    // What was said most recently, as "debug: <text>" and "balloon: <title>: <text>".
    QStringList history() const { return m_history; }

signals:
    void said(const QString &entry);

private:
    void record(const QString &entry);

    QPointer<QSystemTrayIcon> m_tray;
    QStringList m_history;
    // Why notifications failed so far: each reason is said once per run (a
    // session without a bus would otherwise repeat it at every DPI notice).
    QStringList m_failureReasons;
};
