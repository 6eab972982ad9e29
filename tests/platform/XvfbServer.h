#pragma once
// A private X server for one test program, on a free display number that
// Xvfb reports once it accepts connections. -noreset: like a desktop session,
// it keeps its settings when the last client leaves.

#include <QProcess>

class XvfbServer
{
public:
    XvfbServer()
    {
        m_process.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-noreset", "-nolisten", "tcp"});
        QByteArray number;
        while (m_process.waitForStarted(5000) && !number.contains('\n') && m_process.waitForReadyRead(10000))
            number += m_process.readAllStandardOutput();
        if (number.contains('\n'))
            m_display = ":" + number.trimmed();
    }
    ~XvfbServer() { stop(); }

    QByteArray display() const { return m_display; }  // empty when Xvfb did not start

    void stop()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QByteArray m_display;
};
