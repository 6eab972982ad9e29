#pragma once
// Runs xdotool, which types and clicks on the tests' X server, and keeps the
// event loop running meanwhile: the capture reports while the keys arrive,
// and the Windows low-level hooks are skipped if their thread stops pumping.

#include <QtTest>

// Runs a tool to its end with the event loop running; true when it succeeded.
inline bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(5000))
        return false;
    if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 10000))
        return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

#ifdef Q_OS_WIN
#include <windows.h>

// Under Wine a Linux program runs without a process handle to wait on: the
// shell that runs xdotool leaves a file behind when it succeeded.
inline bool xdotool(const QStringList &arguments)
{
    static int runs = 0;
    const QString done = QStringLiteral("/tmp/xdotool-%1-%2.done").arg(GetCurrentProcessId()).arg(++runs);
    std::wstring command = QStringLiteral("Z:\\bin\\sh -c \"/usr/bin/xdotool %1 && touch %2\"")
                               .arg(arguments.join(QLatin1Char(' ')), done)
                               .toStdWString();
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const QString marker = QStringLiteral("Z:") + done;
    const bool ran = QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000);
    QFile::remove(marker);
    return ran;
}
#else
inline bool xdotool(const QStringList &arguments)
{
    return runTool(QStringLiteral("xdotool"), arguments);
}
#endif
