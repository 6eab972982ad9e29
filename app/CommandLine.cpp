#include "CommandLine.h"

#include "CliRequest.h"
#include "CommandRunner.h"
#include "HeadlessDevice.h"
#include "Hid_Thread.h"
#include "LocalPeer.h"
#include "Profiles.h"
#include "SettingsFiles.h"
#include "SettingsFolder.h"
#include "WatchFocus.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QSettings>

#include <cstdio>

namespace {

// A whole profile with twelve macros takes a few seconds; a running
// instance may first have to finish what it is sending.
constexpr int kRequestTimeoutMs = 60000;
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
        const auto answer = peer.request(cli::encodeRequest(options), kRequestTimeoutMs);
        if (answer)
            return finish(cli::decodeReply(*answer));
        // A command line of another process ended without answering: the
        // instance is free now, and this process takes it.
        if (peer.isClient())
            return finish({cli::kDeviceFailed, {}, QStringLiteral("the running program did not answer\n")});
    }
    // This process holds the instance now; another command waits its turn.
    QObject::connect(&peer, &LocalPeer::messageReceived, &peer, [&peer](const QString &message) {
        if (cli::isRequest(message))
            peer.answer(cli::encodeReply(cli::busyReply()));
    });
    return finish(runHere(options));
}
