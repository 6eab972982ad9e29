#include "CliRequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {
const char kRequestPrefix[] = "mouse-utility-command:";
const char kCommandKey[] = "command";
const char kProfileKey[] = "profile";
const char kFileKey[] = "file";
const char kStatusKey[] = "status";
const char kOutKey[] = "out";
const char kErrKey[] = "err";
constexpr int kLastCommand = int(Command::Quit);

QString prefix()
{
    return QString::fromLatin1(kRequestPrefix);
}
} // namespace

Reply busyReply()
{
    return {kBusy, {}, QStringLiteral("the mouse is busy with another command; try again\n")};
}

bool isRequest(const QString &message)
{
    return message.startsWith(prefix());
}

QString encodeRequest(const Options &options)
{
    QJsonObject o;
    o[QLatin1String(kCommandKey)] = int(options.command);
    o[QLatin1String(kProfileKey)] = options.profile;
    o[QLatin1String(kFileKey)] = options.file;
    return prefix() + QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

std::optional<Options> decodeRequest(const QString &message)
{
    if (!isRequest(message))
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(message.mid(prefix().size()).toUtf8());
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const int command = o.value(QLatin1String(kCommandKey)).toInt(-1);
    if (command <= int(Command::None) || command > kLastCommand)
        return std::nullopt;
    Options options;
    options.command = Command(command);
    options.profile = o.value(QLatin1String(kProfileKey)).toString();
    options.file = o.value(QLatin1String(kFileKey)).toString();
    return options;
}

QString encodeReply(const Reply &reply)
{
    QJsonObject o;
    o[QLatin1String(kStatusKey)] = reply.status;
    o[QLatin1String(kOutKey)] = reply.out;
    o[QLatin1String(kErrKey)] = reply.err;
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

Reply decodeReply(const QString &text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    const QJsonObject o = doc.object();
    if (!doc.isObject() || !o.value(QLatin1String(kStatusKey)).isDouble())
        return {kDeviceFailed, {}, QStringLiteral("the running program gave an answer that cannot be read\n")};
    return {o.value(QLatin1String(kStatusKey)).toInt(), o.value(QLatin1String(kOutKey)).toString(),
            o.value(QLatin1String(kErrKey)).toString()};
}

} // namespace cli
