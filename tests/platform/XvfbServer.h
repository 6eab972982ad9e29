#pragma once
// A private X server for one test program: started on a free display number
// (Xvfb reports the number it took once it accepts connections), stopped
// when the object goes. It does not reset when its last client leaves, as a
// desktop session with a window manager would not: server settings made over
// one short connection stay for the next.

#include <QByteArray>
#include <QProcess>
#include <QString>

class XvfbServer
{
public:
    XvfbServer()
    {
        m_process.setProgram(QStringLiteral("Xvfb"));
        m_process.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                                QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                QStringLiteral("640x480x24")});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        QByteArray number;
        while (!number.contains('\n') && m_process.waitForReadyRead(10000))
            number += m_process.readAllStandardOutput();
        bool ok = false;
        const int display = number.trimmed().toInt(&ok);
        if (ok)
            m_display = QByteArray(":") + QByteArray::number(display);
    }

    ~XvfbServer() { stop(); }

    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // ":N", or empty when the server did not come up.
    QByteArray display() const { return m_display; }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

private:
    QProcess m_process;
    QByteArray m_display;
};
