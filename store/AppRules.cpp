#include "AppRules.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const char kAppRulesFileName[] = "app-profiles.json";

namespace {

// A hand-written rules file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxRulesFileBytes = 1 << 20;
constexpr int kMaxRules = 1000;
constexpr int kFirstProfileNumber = 1;
constexpr int kLastProfileNumber = 6;
constexpr int kLeaveProfile = 0;
const char kWildcard[] = "*";
const char kExeSuffix[] = ".exe";

// The index of profile `value` (a number 1 .. 6 or a listed name); -1 when
// no listed profile answers to it. `ok` false for a value of the wrong kind.
int resolveProfile(const QJsonValue &value, const QVector<ListedProfile> &profiles, bool &ok)
{
    ok = true;
    auto listedIndex = [&profiles](int index) {
        for (const ListedProfile &p : profiles)
            if (p.index == index)
                return index;
        return -1;
    };
    if (value.isDouble()) {
        const double n = value.toDouble();
        if (n != int(n)) {
            ok = false;
            return -1;
        }
        return int(n) >= kFirstProfileNumber && int(n) <= kLastProfileNumber ? listedIndex(int(n) - 1) : -1;
    }
    if (value.isString()) {
        const QString name = value.toString();
        for (const ListedProfile &p : profiles)
            if (p.name == name)
                return p.index;
        return -1;
    }
    ok = false;
    return -1;
}

QString shown(const QJsonValue &value)
{
    return value.isString() ? QLatin1Char('"') + value.toString() + QLatin1Char('"')
                            : QString::number(value.toDouble());
}

using Reason = platform::StatusText;

// A rule as written; `damaged` set when it cannot be one.
AppRule parseRule(const QJsonValue &value, int number, const QVector<ListedProfile> &profiles, QVector<Reason> &skipped,
                  Reason &damaged)
{
    const QString ruleNo = QString::number(number);
    auto fail = [&damaged, &ruleNo](RulesText why, const QStringList &more = {}) {
        damaged = rulesStatus(why, QStringList{ruleNo} + more);
        return AppRule{};
    };
    if (!value.isObject())
        return fail(RulesText::RuleNotObject);
    const QJsonObject o = value.toObject();
    AppRule rule;
    rule.number = number;
    if (!o.value(QLatin1String("app")).isString() || o.value(QLatin1String("app")).toString().isEmpty())
        return fail(RulesText::RuleNoApp);
    rule.app = o.value(QLatin1String("app")).toString();
    const QJsonValue title = o.value(QLatin1String("title"));
    if (!title.isUndefined()) {
        if (!title.isString())
            return fail(RulesText::RuleTitleNotText);
        rule.title = title.toString();
        if (rule.title.size() >= 2 && rule.title.startsWith(QLatin1Char('/')) && rule.title.endsWith(QLatin1Char('/'))) {
            rule.titleIsPattern = true;
            rule.titlePattern.setPattern(rule.title.mid(1, rule.title.size() - 2));
            if (!rule.titlePattern.isValid())
                return fail(RulesText::RuleBadPattern, {rule.title, rule.titlePattern.errorString()});
        }
    }
    bool ok = false;
    const QJsonValue profile = o.value(QLatin1String("profile"));
    rule.profile = resolveProfile(profile, profiles, ok);
    if (!ok)
        return fail(RulesText::RuleBadProfile);
    if (rule.profile < 0)
        skipped << rulesStatus(RulesText::RuleMissingProfile, {ruleNo, rule.app, shown(profile)});
    return rule;
}

AppRules parseWhole(const QByteArray &json, const QVector<ListedProfile> &profiles, QVector<Reason> &skipped,
                    Reason &damaged)
{
    auto fail = [&damaged](RulesText why, const QStringList &args = {}) {
        damaged = rulesStatus(why, args);
        return AppRules{};
    };
    if (json.size() > kMaxRulesFileBytes)
        return fail(RulesText::TooLarge);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return fail(RulesText::NotJson, {QString::number(error.offset), error.errorString()});
    if (!doc.isObject())
        return fail(RulesText::NotObject);
    const QJsonObject root = doc.object();
    AppRules rules;
    const QJsonValue enabled = root.value(QLatin1String("enabled"));
    if (!enabled.isUndefined() && !enabled.isBool())
        return fail(RulesText::EnabledNotBool);
    rules.enabled = enabled.toBool(false);

    const QJsonValue other = root.value(QLatin1String("otherApps"));
    if (!other.isUndefined() && !(other.isDouble() && other.toDouble() == kLeaveProfile)) {
        bool ok = false;
        rules.otherApps = resolveProfile(other, profiles, ok);
        if (!ok)
            return fail(RulesText::OtherAppsBad);
        if (rules.otherApps < 0)
            skipped << rulesStatus(RulesText::OtherAppsMissing, {shown(other)});
    }

    const QJsonValue list = root.value(QLatin1String("rules"));
    if (!list.isUndefined() && !list.isArray())
        return fail(RulesText::RulesNotList);
    const QJsonArray array = list.toArray();
    if (array.size() > kMaxRules)
        return fail(RulesText::TooManyRules, {QString::number(kMaxRules)});
    for (int i = 0; i < array.size(); ++i) {
        AppRule rule = parseRule(array.at(i), i + 1, profiles, skipped, damaged);
        if (damaged.key)
            return {};
        if (rule.profile >= 0)
            rules.rules.append(rule);
    }
    return rules;
}

bool titleMatches(const AppRule &rule, const QString &title)
{
    if (rule.title.isEmpty())
        return true;
    if (rule.titleIsPattern)
        return rule.titlePattern.match(title).hasMatch();
    return title.contains(rule.title);
}

} // namespace

bool appIdMatches(const QString &ruleApp, const QString &appId, const QString &instance)
{
    if (ruleApp == QLatin1String(kWildcard))
        return true;
    auto same = [&ruleApp](const QString &id) {
        if (id.isEmpty())
            return false;
        if (id.compare(ruleApp, Qt::CaseInsensitive) == 0)
            return true;
        return id.endsWith(QLatin1String(kExeSuffix), Qt::CaseInsensitive)
               && id.chopped(int(sizeof kExeSuffix) - 1).compare(ruleApp, Qt::CaseInsensitive) == 0;
    };
    return same(appId) || same(instance);
}

AppRuleMatch AppRules::match(const QString &appId, const QString &instance, const QString &title) const
{
    for (const AppRule &rule : rules)
        if (appIdMatches(rule.app, appId, instance) && titleMatches(rule, title))
            return {rule.profile, rule.number};
    if (otherApps >= 0)
        return {otherApps, AppRuleMatch::kOtherApps};
    return {};
}

AppRules parseAppRules(const QByteArray &json, const QVector<ListedProfile> &profiles, const QString &fileName)
{
    QVector<Reason> skipped;
    Reason damaged;
    AppRules rules = parseWhole(json, profiles, skipped, damaged);
    if (damaged.key) {
        AppRules off;
        off.damaged = true;
        off.notes.append({rulesStatus(RulesText::FileDamaged, {fileName}), damaged});
        off.message = appRulesNotesText(off.notes);
        return off;
    }
    for (const Reason &reason : skipped)
        rules.notes.append({rulesStatus(RulesText::FileNote, {fileName}), reason});
    rules.message = appRulesNotesText(rules.notes);
    return rules;
}

QString appRulesPath(const QString &settingDir)
{
    return QDir(settingDir).filePath(QLatin1String(kAppRulesFileName));
}

AppRules readAppRules(const QString &settingDir, const QVector<ListedProfile> &profiles)
{
    QFile file(appRulesPath(settingDir));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        AppRules off;
        off.damaged = true;
        off.notes.append({rulesStatus(RulesText::FileUnreadable, {file.fileName()}), {}});
        off.message = appRulesNotesText(off.notes);
        return off;
    }
    return parseAppRules(file.read(kMaxRulesFileBytes + 1), profiles, file.fileName());
}

namespace {

QString profileText(const QJsonValue &value)
{
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

// A number as a number, so that the file reads as one; a name as text.
QJsonValue profileValue(const QString &text)
{
    bool number = false;
    const int n = text.trimmed().toInt(&number);
    return number ? QJsonValue(n) : QJsonValue(text);
}

} // namespace

AppRulesText appRulesText(const QByteArray &json)
{
    const QJsonObject root = QJsonDocument::fromJson(json.left(int(kMaxRulesFileBytes))).object();
    AppRulesText text;
    text.enabled = root.value(QLatin1String("enabled")).toBool(false);
    text.otherApps = profileText(root.value(QLatin1String("otherApps")));
    for (const QJsonValue &v : root.value(QLatin1String("rules")).toArray()) {
        const QJsonObject o = v.toObject();
        text.rules.append({o.value(QLatin1String("app")).toString(), o.value(QLatin1String("title")).toString(),
                           profileText(o.value(QLatin1String("profile")))});
    }
    return text;
}

QByteArray appRulesJson(const AppRulesText &text)
{
    QJsonObject root;
    root.insert(QLatin1String("enabled"), text.enabled);
    root.insert(QLatin1String("otherApps"), text.otherApps.trimmed().isEmpty() ? QJsonValue(kLeaveProfile)
                                                                                : profileValue(text.otherApps));
    QJsonArray rules;
    for (const AppRuleText &r : text.rules) {
        QJsonObject o;
        o.insert(QLatin1String("app"), r.app);
        if (!r.title.isEmpty())
            o.insert(QLatin1String("title"), r.title);
        o.insert(QLatin1String("profile"), profileValue(r.profile));
        rules.append(o);
    }
    root.insert(QLatin1String("rules"), rules);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
