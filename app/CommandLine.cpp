#include "CommandLine.h"

#include "CliRequest.h"
#include "CommandRunner.h"
#include "HeadlessDevice.h"
#include "InstanceStart.h"
#include "Hid_Thread.h"
#include "LocalPeer.h"
#include "Profiles.h"
#include "SettingsFiles.h"
#include "SettingsFolder.h"
#include "WatchFocus.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QSettings>
#include <QThread>

#include <cstdio>
#include <optional>

namespace {

// A whole profile with twelve macros takes a few seconds; a running
// instance may first have to finish what it is sending. It acknowledges a
// request at once, so silence on the channel is known much sooner.
constexpr int kAnswerTimeoutMs = 60000;
// How long a running instance told to quit may take to end.
constexpr int kQuitTimeoutMs = 10000;
constexpr int kQuitPollMs = 50;
const char kProgramName[] = "mouse-utility";

QStringList argumentsOf(int argc, char **argv)
{
    QStringList out;
    for (int i = 1; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int finish(const cli::Reply &reply)
{
    print(stdout, reply.out);
    if (!reply.err.isEmpty())
        print(stderr, QLatin1String(kProgramName) + QStringLiteral(": ") + reply.err);
    return reply.status;
}

// The device link's diagnostics are lines on the debug output; a command's
// outcome is its status and message, so they stay out of the terminal.
void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        print(stderr, message + QLatin1Char('\n'));
}

// Settings handles write back on their own when events are processed, and
// the device link processes events before every report: each write-back
// would sit between two reports. Here they write back once, at the end.
class DeferredSettingsWrites : public QObject
{
public:
    DeferredSettingsWrites() { QCoreApplication::instance()->installEventFilter(this); }
    ~DeferredSettingsWrites() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::UpdateRequest && qobject_cast<QSettings *>(watched);
    }
};

cli::Reply runHere(const cli::Options &options)
{
    // The same settings tree the window works from (beside the executable or the user's copy).
    const QString notice = chooseSettingsFolder();
    if (!notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(notice));
    const QString settingDir = QString::fromLatin1(kSettingDir);
    DeferredSettingsWrites deferred;
    SettingsFiles files(settingDir);
    Hid_Thread hid;
    const bool found = cli::findMouse(hid, *files.appConfig());
    files.setIs4090(found && hid.currentDevice() != 0);
    // The pages start on the start profile; a command starts where they would.
    const int start = files.appConfig()->value(QStringLiteral("Tarn/profileNo"), 0).toInt();
    files.setCurrentProfileIndex(start);
    return cli::CommandRunner(files, settingDir, hid).run(options);
}

// The running instance ends on its own; the command is done once its lock is free.
cli::Reply waitForEnd(LocalPeer &peer, const cli::Reply &quitting)
{
    QElapsedTimer clock;
    clock.start();
    while (peer.isClient()) {
        if (clock.elapsed() > kQuitTimeoutMs)
            return {cli::kDeviceFailed, {}, QStringLiteral("the running program did not end\n")};
        QThread::msleep(kQuitPollMs);
    }
    return quitting;
}

// The command carried out by the running instance: its answer, or nothing
// when the instance could not be confirmed and this process took its place.
std::optional<cli::Reply> askRunningInstance(LocalPeer &peer, const cli::Options &options)
{
    const LocalPeer::Outcome outcome = peer.request(cli::encodeRequest(options), kConfirmOwnerMs, kAnswerTimeoutMs);
    switch (outcome.delivery) {
    case LocalPeer::Delivery::Taken: {
        const cli::Reply reply = cli::decodeReply(outcome.answer);
        if (options.command == cli::Command::Quit && reply.status == cli::kDone)
            return waitForEnd(peer, reply);
        return reply;
    }
    case LocalPeer::Delivery::NoAck:
        return cli::Reply{cli::kDeviceFailed, {},
                          QStringLiteral("the running program does not answer; end it and try again\n")};
    case LocalPeer::Delivery::NoAnswer:
        return cli::Reply{cli::kDeviceFailed, {}, QStringLiteral("the running program did not answer in time\n")};
    case LocalPeer::Delivery::NoListener:
        break;
    }
    if (!peer.takeOver())
        return cli::Reply{cli::kDeviceFailed, {},
                          QStringLiteral("another instance holds the single-instance lock and cannot be reached\n")};
    reportTakeOver(peer);
    return std::nullopt;
}

} // namespace

bool isCommandLine(int argc, char **argv)
{
    return cli::wantsCommandLine(argumentsOf(argc, argv));
}

int runCommandLine(int argc, char **argv)
{
    const cli::Options options = cli::parse(argumentsOf(argc, argv), QDir::currentPath());
    if (!options.error.isEmpty())
        return finish({cli::kBadInput, {}, options.error + QStringLiteral("\nTry 'mouse-utility --help'.\n")});
    if (options.command == cli::Command::Help)
        return finish({cli::kDone, cli::helpText(), {}});
    if (options.command == cli::Command::Version)
        return finish({cli::kDone, cli::versionText(), {}});

    qInstallMessageHandler(dropDebugLines);
    QCoreApplication app(argc, argv);
    // Only looks: it needs neither the mouse nor the running program.
    if (options.command == cli::Command::WatchFocus)
        return watchFocus(stdout);
    LocalPeer peer(QCoreApplication::applicationFilePath());
    if (peer.isClient()) {
        if (const auto reply = askRunningInstance(peer, options))
            return finish(*reply);
    } else {
        reportTakeOver(peer);
    }
    if (options.command == cli::Command::Quit)
        return finish({cli::kDeviceFailed, {}, QStringLiteral("the program is not running\n")});
    // This process holds the instance now; another command waits its turn.
    QObject::connect(&peer, &LocalPeer::messageReceived, &peer, [&peer](const QString &message) {
        if (cli::isRequest(message))
            peer.answer(cli::encodeReply(cli::busyReply()));
    });
    return finish(runHere(options));
}
