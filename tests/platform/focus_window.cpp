// A window of a chosen application id and title for the focus watcher tests.
// Lines on standard input drive it: "title TEXT" renames it, "quit" ends it.
//   focus_window APP_ID TITLE
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

class Window : public QRasterWindow
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan); }
    void exposeEvent(QExposeEvent *e) override
    {
        QRasterWindow::exposeEvent(e);
        if (isExposed() && !m_said)
            m_said = true, std::printf("shown\n"), std::fflush(stdout);
    }

private:
    bool m_said = false;
};

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    // The Wayland app id, and the X11 WM_CLASS class.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(argv[1]));
    QGuiApplication::setApplicationName(QString::fromUtf8(argv[1]));
    QGuiApplication app(argc, argv);
    Window window;
    window.setTitle(QString::fromUtf8(argv[2]));
    window.resize(320, 200);
    window.show();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[512];
        const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0)
            return app.quit();
        line[n] = 0;
        const QString command = QString::fromUtf8(line).trimmed();
        if (command.startsWith(QLatin1String("title ")))
            window.setTitle(command.mid(6));
        else if (command == QLatin1String("quit"))
            app.quit();
    });
    return app.exec();
}
