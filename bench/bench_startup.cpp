// Start-up of the demo program with the virtual mouse: time from starting
// the process to the first frame of the full page, and the peak resident
// memory of the running program. Needs an X server (run under xvfb-run):
//   xvfb-run -a bench_startup [DEMO_PROGRAM] [RUNS]
// Targets: full page within 1.5 s of start (the page itself waits 1000 ms
// before it shows everything), under 120 MB resident. Each figure is taken
// twice: as the program starts by default (OpenGL where the X server offers
// it; under Xvfb that is Mesa's software rasteriser, a large share of the
// memory), and with OpenGL turned off, where the pages use the software
// renderer.
#include "FullPage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPollMs = 10;
constexpr int kLimitMs = 10000;
constexpr int kSettleMs = 2000;
WId findWindow(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(2000);
    return QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n')).value(0).toULongLong();
}

// Kilobytes of a "VmHWM:" style line of /proc/<pid>/status.
long statusKb(qint64 pid, const char *field)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

struct Run {
    qint64 fullPageMs = -1;
    long peakKb = -1;
    long residentKb = -1;
};

Run runOnce(const QString &demo, bool withoutOpenGl)
{
    Run run;
    QTemporaryDir dir;
    // A fresh copy of the program with its installed tree for every run.
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), demo, QFileInfo(demo).dir().filePath(QStringLiteral("modules")), dir.path()});
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (withoutOpenGl)
        env.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    program.start(dir.filePath(QFileInfo(demo).fileName()), QStringList());
    if (!program.waitForStarted(5000))
        return run;
    WId window = 0;
    while (clock.elapsed() < kLimitMs) {
        if (!window)
            window = findWindow(program.processId());
        if (window && fullPage(QGuiApplication::primaryScreen()->grabWindow(window).toImage())) {
            run.fullPageMs = clock.elapsed();
            break;
        }
        QThread::msleep(kPollMs);
    }
    QThread::msleep(kSettleMs);
    run.peakKb = statusKb(program.processId(), "VmHWM:");
    run.residentKb = statusKb(program.processId(), "VmRSS:");
    program.kill();
    program.waitForFinished(2000);
    return run;
}

} // namespace

// Prints the runs of one configuration and its summary; false when a run never showed the full page.
bool measure(const QString &demo, int runs, bool withoutOpenGl)
{
    std::printf("%s\n", withoutOpenGl ? "without OpenGL (software renderer):" : "default start:");
    std::vector<qint64> times;
    std::vector<long> peaks;
    for (int i = 0; i < runs; ++i) {
        const Run r = runOnce(demo, withoutOpenGl);
        std::printf("  run %d: full page after %lld ms, peak resident %.1f MB, resident after %d ms %.1f MB\n", i + 1,
                    static_cast<long long>(r.fullPageMs), r.peakKb / 1024.0, kSettleMs, r.residentKb / 1024.0);
        if (r.fullPageMs < 0) {
            std::printf("  no full page within %d ms\n", kLimitMs);
            return false;
        }
        times.push_back(r.fullPageMs);
        peaks.push_back(r.peakKb);
    }
    std::sort(times.begin(), times.end());
    std::printf("  start to full page: median %lld ms, worst %lld ms (target 1500 ms)\n",
                static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.back()));
    std::printf("  peak resident memory: worst %.1f MB (target 120 MB)\n",
                *std::max_element(peaks.begin(), peaks.end()) / 1024.0);
    return true;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString demo = argc > 1 && argv[1][0] ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DEMO_PROGRAM);
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    qputenv("VIRTUALMOUSE_ATTACH", "1040");
    const bool ok = measure(demo, runs, false) && measure(demo, runs, true);
    return ok ? 0 : 1;
}
