#pragma once
// Collects the debug lines the code under test writes, from any thread, while
// an instance lives; the handler that was installed before comes back after.

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

class DebugLog
{
public:
    DebugLog() { m_previous = qInstallMessageHandler(&DebugLog::collect); }
    ~DebugLog() { qInstallMessageHandler(m_previous); }
    DebugLog(const DebugLog &) = delete;
    DebugLog &operator=(const DebugLog &) = delete;

    static QStringList lines()
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }
    static int count(const QString &line) { return lines().count(line); }
    static void clear()
    {
        QMutexLocker lock(&s_mutex);
        s_lines.clear();
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg)
            return;
        QMutexLocker lock(&s_mutex);
        s_lines << text;
    }

    static inline QMutex s_mutex;
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
