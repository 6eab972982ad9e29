// Screenshot helper of the end-to-end scripts: waits until the window shows
// the full page (the red accent line of the page background at its marker
// pixel), then writes the window as a PNG.
//   grab_window WINDOW_ID OUT.png [SECONDS]
// Exit status 0 when the full page was seen and written, 1 on time-out.
//   grab_window --check page|waiting SHOT.png
// Exit status 0 when a screenshot taken elsewhere (Wayland) shows the full page, or the waiting page filling the shot.
//   grab_window --area X Y W H OUT.png
// Writes that area of the screen as the display shows it (what a desktop
// without compositing paints black around a translucent window included).
#include "FullPage.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {
constexpr int kPollMs = 20;

// The waiting page's colour above its texts and in its lower left corner:
// the page is the whole window, with nothing left black around it.
bool waitingPanel(const QImage &shot)
{
    const QColor panel(0x2c, 0x2d, 0x31);
    return shot.height() > 180 && shot.pixelColor(shot.width() / 2, shot.height() / 10) == panel
        && shot.pixelColor(4, shot.height() - 5) == panel;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--check") == 0) {
        const QImage shot(QString::fromLocal8Bit(argv[3]));
        return (qstrcmp(argv[2], "waiting") == 0 ? waitingPanel(shot) : fullPage(shot)) ? 0 : 1;
    }
    QGuiApplication app(argc, argv);
    if (argc == 7 && qstrcmp(argv[1], "--area") == 0) {
        const auto n = [argv](int i) { return QString::fromLatin1(argv[i]).toInt(); };
        const QImage area = app.primaryScreen()->grabWindow(0, n(2), n(3), n(4), n(5)).toImage();
        return area.save(QString::fromLocal8Bit(argv[6]), "PNG") ? 0 : 1;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WINDOW_ID OUT.png [SECONDS]\n", argv[0]);
        return 2;
    }
    const WId window = QString::fromLatin1(argv[1]).toULongLong(nullptr, 0);
    const int limitMs = (argc > 3 ? QString::fromLatin1(argv[3]).toInt() : 10) * 1000;
    QElapsedTimer clock;
    clock.start();
    QImage shot;
    bool seen = false;
    while (!seen && clock.elapsed() < limitMs) {
        shot = app.primaryScreen()->grabWindow(window).toImage();
        seen = fullPage(shot);
        if (!seen)
            QThread::msleep(kPollMs);
    }
    if (!shot.isNull())
        shot.save(QString::fromLocal8Bit(argv[2]), "PNG");
    if (!seen) {
        std::fprintf(stderr, "no full page after %d ms\n", limitMs);
        return 1;
    }
    std::printf("full page after %lld ms\n", static_cast<long long>(clock.elapsed()));
    return 0;
}
