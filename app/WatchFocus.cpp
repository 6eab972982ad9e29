#include "WatchFocus.h"

#include "CliOptions.h"
#include "FocusWatcher.h"

#include <QCoreApplication>
#include <QString>

std::string focusLine(const platform::FocusEvent &event)
{
    QString id = event.appId.empty() ? QStringLiteral("(no window)") : QString::fromStdString(event.appId);
    if (!event.instance.empty())
        id += QStringLiteral(" (") + QString::fromStdString(event.instance) + QLatin1Char(')');
    if (event.shell)
        id += QStringLiteral(" [desktop shell]");
    const QString line = cli::printable(id) + QLatin1Char('\t') + cli::printable(QString::fromStdString(event.title))
                         + QLatin1Char('\t') + QString::fromStdString(event.source);
    return line.toStdString();
}

int watchFocus(std::FILE *out)
{
    const std::unique_ptr<platform::FocusWatcher> watcher = platform::createFocusWatcher();
    const bool started = watcher->start([out](const platform::FocusEvent &event) {
        std::fprintf(out, "%s\n", focusLine(event).c_str());
        std::fflush(out);
    });
    std::fprintf(stderr, "%s\n", watcher->status().c_str());
    if (!started)
        return 1;
    return QCoreApplication::exec();
}
