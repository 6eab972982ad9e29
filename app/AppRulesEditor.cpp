#include "AppRulesEditor.h"

#include "AppRules.h"
#include "LanguageStrings.h"
#include "NameLists.h"
#include "ProfileList.h"
#include "SettingsGuard.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace {
const char kTextsGroup[] = "appRules";
const char kPageLanguage[] = "lang_025044";
} // namespace

AppRulesEditor::AppRulesEditor(const QString &settingDir, Sources sources, QObject *parent)
    : QObject(parent)
    , m_settingDir(settingDir)
    , m_sources(std::move(sources))
{
}

QVariantMap AppRulesEditor::load() const
{
    QFile file(appRulesPath(m_settingDir));
    const QByteArray json = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const AppRulesText text = appRulesText(json);
    QVariantList rules;
    for (const AppRuleText &r : text.rules)
        rules.append(QVariantMap{{"app", r.app}, {"title", r.title}, {"profile", r.profile}});
    const AppRules read = readAppRules(m_settingDir, listedProfiles(NameLists(m_settingDir)));
    // A damaged file is the user's to mend: the dialog does not write over it.
    return {{"enabled", text.enabled}, {"otherApps", text.otherApps}, {"rules", rules}, {"damaged", read.damaged}};
}

QString AppRulesEditor::save(const QVariantMap &rules, bool chinese)
{
    AppRulesText text;
    text.enabled = rules.value(QStringLiteral("enabled")).toBool();
    text.otherApps = rules.value(QStringLiteral("otherApps")).toString();
    for (const QVariant &v : rules.value(QStringLiteral("rules")).toList()) {
        const QVariantMap r = v.toMap();
        const QString app = r.value(QStringLiteral("app")).toString().trimmed();
        if (app.isEmpty())
            continue;  // a row left blank
        text.rules.append({app, r.value(QStringLiteral("title")).toString(), r.value(QStringLiteral("profile")).toString()});
    }
    const QByteArray json = appRulesJson(text);
    const AppRules check = parseAppRules(json, listedProfiles(NameLists(m_settingDir)));
    if (check.damaged)
        return appRulesNotesText(check.notes, lookup(chinese)).trimmed();
    QSaveFile file(appRulesPath(m_settingDir));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
        return QString::fromStdString(rulesStatus(RulesText::FileUnwritable, {file.fileName()}).in(lookup(chinese)));
    return {};
}

QStringList AppRulesEditor::chineseTexts() const
{
    QSettings settings(LanguageStrings().filePath(QString::fromLatin1(kPageLanguage)), QSettings::IniFormat);
    settings.setIniCodec(kUtf8Codec);
    return readLanguageGroup(settings, QString::fromLatin1(kTextsGroup));
}

platform::TextLookup AppRulesEditor::lookup(bool chinese) const
{
    if (!chinese)
        return platform::englishText;
    QSettings settings(LanguageStrings().filePath(QString::fromLatin1(kPageLanguage)), QSettings::IniFormat);
    settings.setIniCodec(kUtf8Codec);
    settings.beginGroup(QString::fromLatin1(kTextsGroup));
    QHash<QString, std::string> texts;
    for (const QString &id : settings.childKeys())
        texts.insert(id, settings.value(id).toString().toStdString());
    return [texts](const platform::TextKey &key) {
        const std::string text = texts.value(QString::fromLatin1(key.id));
        return text.empty() ? std::string(key.english) : text;
    };
}
