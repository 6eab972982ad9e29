#include "CliOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace cli {

namespace {

struct CommandEntry {
    const char *option;
    Command command;
    int values;
    const char *valueNames;
};

constexpr CommandEntry kCommands[] = {
    {"--help", Command::Help, 0, ""},
    {"-h", Command::Help, 0, ""},
    {"--version", Command::Version, 0, ""},
    {"--list", Command::List, 0, ""},
    {"--status", Command::Status, 0, ""},
    {"--watch-focus", Command::WatchFocus, 0, ""},
    {"--profile", Command::Profile, 1, "P"},
    {"--export", Command::Export, 2, "P FILE"},
    {"--import", Command::Import, 2, "P FILE"},
    {"--quit", Command::Quit, 0, ""},
};

const CommandEntry *findCommand(const QString &argument)
{
    for (const CommandEntry &entry : kCommands)
        if (argument == QLatin1String(entry.option))
            return &entry;
    return nullptr;
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// What is wrong with a profile argument, empty when it may name a profile.
QString profileError(const QString &profile)
{
    if (profile.isEmpty())
        return QStringLiteral("the profile is empty: give a profile name or a number 1 to %1").arg(kProfileCount);
    if (profile.contains(QLatin1Char('/')) || profile.contains(QLatin1Char('\\')))
        return QStringLiteral("profile name '%1' contains a path separator").arg(printable(profile));
    if (hasControlCharacter(profile))
        return QStringLiteral("profile name '%1' contains a control character").arg(printable(profile));
    static const QRegularExpression numberLike(QStringLiteral("^[+-]?[0-9]+$"));
    if (numberLike.match(profile).hasMatch() && profileNumberIndex(profile) < 0)
        return QStringLiteral("profile number %1 is outside 1 to %2").arg(printable(profile)).arg(kProfileCount);
    return {};
}

QString unknownArgumentError(const QString &argument, bool afterCommand)
{
    if (afterCommand && !argument.startsWith(QLatin1Char('-')))
        return QStringLiteral("unexpected argument '%1'").arg(printable(argument));
    // "-list" for "--list": say which option was meant.
    if (argument.size() > 2 && argument.at(0) == QLatin1Char('-') && argument.at(1) != QLatin1Char('-')) {
        const QString meant = QLatin1Char('-') + argument;
        if (findCommand(meant))
            return QStringLiteral("unknown option '%1' (did you mean '%2'?)").arg(printable(argument), meant);
    }
    return QStringLiteral("unknown option '%1'").arg(printable(argument));
}

QString fileError(const QString &file)
{
    if (file.isEmpty())
        return QStringLiteral("the file name is empty");
    if (hasControlCharacter(file))
        return QStringLiteral("file name '%1' contains a control character").arg(printable(file));
    return {};
}

} // namespace

bool wantsCommandLine(const QStringList &arguments)
{
    // The toolkit's own options that take the next argument as their value
    // (a session manager restarts the program with "-session <id>").
    static const QStringList toolkitValueOptions = {
        QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"), QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"), QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
        QStringLiteral("-qwindowtitle"), QStringLiteral("-session"), QStringLiteral("-display"),
        QStringLiteral("-geometry"), QStringLiteral("-title"), QStringLiteral("-name"), QStringLiteral("-style"),
        QStringLiteral("-stylesheet")};
    // Those that stand alone, or carry their value after '='.
    static const QStringList toolkitFlags = {QStringLiteral("-reverse"), QStringLiteral("-nograb"),
                                             QStringLiteral("-dograb"), QStringLiteral("-sync"),
                                             QStringLiteral("-widgetcount"), QStringLiteral("-testability")};
    static const QStringList toolkitAssignments = {QStringLiteral("-style="), QStringLiteral("-stylesheet="),
                                                   QStringLiteral("-qmljsdebugger=")};
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (toolkitValueOptions.contains(a)) {
            ++i;
            continue;
        }
        const auto isAssignment = [&a](const QString &prefix) { return a.startsWith(prefix); };
        if (toolkitFlags.contains(a) || std::any_of(toolkitAssignments.begin(), toolkitAssignments.end(), isAssignment))
            continue;
        return true;
    }
    return false;
}

int profileNumberIndex(const QString &profile)
{
    bool ok = false;
    const int n = profile.toInt(&ok);
    if (!ok || profile.trimmed() != profile || profile.startsWith(QLatin1Char('+')))
        return -1;
    return n >= 1 && n <= kProfileCount ? n - 1 : -1;
}

Options parse(const QStringList &arguments, const QString &workingDir)
{
    Options options;
    auto fail = [&options](const QString &error) {
        options.command = Command::None;
        options.error = error;
        return options;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const CommandEntry *entry = findCommand(argument);
        if (!entry)
            return fail(unknownArgumentError(argument, options.command != Command::None));
        if (options.command != Command::None)
            return fail(QStringLiteral("give one command at a time ('%1' after an earlier command)")
                            .arg(QLatin1String(entry->option)));
        if (i + entry->values >= arguments.size())
            return fail(QStringLiteral("%1 needs %2").arg(QLatin1String(entry->option), QLatin1String(entry->valueNames)));
        options.command = entry->command;
        if (entry->values >= 1)
            options.profile = arguments.at(++i);
        if (entry->values >= 2)
            options.file = arguments.at(++i);
        if (entry->values >= 1) {
            if (QString error = profileError(options.profile); !error.isEmpty())
                return fail(error);
        }
        if (entry->values >= 2) {
            if (QString error = fileError(options.file); !error.isEmpty())
                return fail(error);
            options.file = QDir::cleanPath(QDir(workingDir).absoluteFilePath(options.file));
        }
    }
    if (options.command == Command::None)
        return fail(QStringLiteral("no command given"));
    return options;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: mouse-utility [COMMAND]\n"
        "Without a command the configuration window starts.\n"
        "\n"
        "  --help                 show this help and exit\n"
        "  --version              show the version and exit\n"
        "  --list                 list the connected mice: product name, sensor,\n"
        "                         command and event interfaces\n"
        "  --status               show the current DPI stage and its DPI, the report\n"
        "                         rate, the lighting effect and the profile, and\n"
        "                         which per-application rule chose the profile\n"
        "  --watch-focus          print a line for every change of the window in\n"
        "                         front: its application id, title and the watcher,\n"
        "                         for writing per-application rules\n"
        "  --profile P            make P the current and start profile and send its\n"
        "                         whole configuration to the mouse\n"
        "  --export P FILE        write profile P and its macros to a .pf file\n"
        "  --import P FILE        replace profile P with a .pf file (its macros\n"
        "                         rebuilt) and send it when P is the current profile\n"
        "  --quit                 end the running program\n"
        "\n"
        "P is a profile's name as the profile manager shows it, or its number 1 to 6.\n"
        "When the program is running, the command is carried out by it.\n"
        "\n"
        "Exit status: 0 done; 1 no mouse, the mouse did not take the command, or\n"
        "(--quit) the program is not running; 2 bad usage or bad input (nothing was\n"
        "changed); 3 busy with another command: try again.\n");
}

QString versionText()
{
    return QStringLiteral("mouse-utility %1\n").arg(QStringLiteral(MOUSE_UTILITY_VERSION));
}

QString printable(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace cli
