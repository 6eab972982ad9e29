#include "AppRulesTexts.h"

namespace {

const platform::TextKey kTexts[] = {
    {"rulesFileDamaged", "%1: %2. Per-application profiles are off until the file is corrected."},
    {"rulesFileNote", "%1: %2"},
    {"rulesFileUnreadable", "%1: cannot be read. Per-application profiles are off."},
    {"rulesFileUnwritable", "%1: cannot be written"},
    {"rulesTooLarge", "too large for a rules file"},
    {"rulesNotJson", "not valid JSON at byte %1 (%2)"},
    {"rulesNotObject", "the file is not a JSON object"},
    {"rulesEnabledNotBool", "\"enabled\" is neither true nor false"},
    {"rulesOtherAppsBad", "\"otherApps\" is neither 0, a number 1 to 6 nor a profile name"},
    {"rulesOtherAppsMissing",
     "\"otherApps\" names profile %1, which does not exist: other applications leave the profile as it is"},
    {"rulesNotList", "\"rules\" is not a list"},
    {"rulesTooMany", "more than %1 rules"},
    {"rulesRuleNotObject", "rule %1 is not an object"},
    {"rulesRuleNoApp", "rule %1 has no \"app\" text"},
    {"rulesRuleTitleNotText", "rule %1: \"title\" is not text"},
    {"rulesRuleBadPattern", "rule %1: the title pattern %2 is not a valid regular expression (%3)"},
    {"rulesRuleBadProfile", "rule %1: \"profile\" is neither a number 1 to 6 nor a profile name"},
    {"rulesRuleMissingProfile", "rule %1 (app \"%2\") names profile %3, which does not exist: skipped"},
};
static_assert(sizeof kTexts / sizeof kTexts[0] == size_t(RulesText::Count), "one text per key");

} // namespace

const platform::TextKey &rulesText(RulesText text)
{
    return kTexts[size_t(text)];
}

platform::StatusText rulesStatus(RulesText text, const QStringList &args)
{
    platform::StatusText status{&rulesText(text), {}};
    for (const QString &arg : args)
        status.args.push_back(arg.toStdString());
    return status;
}

QString appRulesNotesText(const QVector<AppRulesNote> &notes, const platform::TextLookup &lookup)
{
    QString text;
    for (const AppRulesNote &note : notes) {
        std::vector<std::string> args = note.line.args;
        if (note.reason.key)
            args.push_back(note.reason.in(lookup));
        text += QString::fromStdString(platform::fillIn(lookup(*note.line.key), args)) + QLatin1Char('\n');
    }
    return text;
}

QString appRulesNotesText(const QVector<AppRulesNote> &notes)
{
    return appRulesNotesText(notes, platform::englishText);
}
