#include "UpdateLauncher.h"

#include "DeviceSettings.h"
#include "Hid_Thread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTimer>

namespace {
constexpr int kDrainPollMs = 20;
// Queued commands take seconds at most (a whole profile); past this the
// update goes ahead rather than never.
constexpr int kDrainLimitMs = 30000;
// The mouse settles after the listener let go of its event interface.
constexpr int kUpdatePauseMs = 500;

void resumeListener(const QPointer<Hid_Thread> &hid)
{
    if (hid && !hid->isListening())
        hid->startEventListener(hid->currentDevice());
}

void startProgram(const QString &program, const QPointer<Hid_Thread> &hid, QObject *owner, const UpdateNotice &notice)
{
    if (hid)
        hid->stopEventListener();
    QTimer::singleShot(kUpdatePauseMs, owner, [program, hid, owner, notice] {
        auto *process = new QProcess(owner);
        QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
                         [hid, process](int, QProcess::ExitStatus) {
                             resumeListener(hid);
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [hid, process, program, notice](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            notice(QStringLiteral("The firmware update program %1 cannot be started: %2")
                       .arg(QDir::toNativeSeparators(program), process->errorString()));
            resumeListener(hid);
            process->deleteLater();
        });
        process->start(program, QStringList(), QIODevice::ReadWrite);
    });
}

} // namespace

QString updateProgramPath(const QString &folder, bool is3336)
{
    return QDir::cleanPath(QDir(folder).filePath(QString::fromLatin1(is3336 ? kUpdateProgram3336 : kUpdateProgram4090)));
}

void launchUpdateProgram(const QString &program, Hid_Thread *device, QObject *owner, const UpdateNotice &notice)
{
    if (!QFileInfo(program).isFile()) {
        notice(QStringLiteral("No firmware update program is installed for this mouse (%1 is missing).")
                   .arg(QDir::toNativeSeparators(program)));
        return;
    }
    const QPointer<Hid_Thread> hid(device);
    auto *drain = new QTimer(owner);
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(drain, &QTimer::timeout, owner, [=] {
        if (hid && hid->commandsPending() && clock->elapsed() < kDrainLimitMs)
            return;
        drain->deleteLater();
        delete clock;
        startProgram(program, hid, owner, notice);
    });
    drain->start(kDrainPollMs);
}
