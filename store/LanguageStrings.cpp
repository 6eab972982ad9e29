#include "LanguageStrings.h"

#include "SettingsGuard.h"
#include "StageTexts.h"

#include <QDir>
#include <array>

namespace {
const std::array<const char *, kLanguageGroupCount> kGroupNames = {
    "main", "keyMatrix", "keyMenu", "macroEditor", "gunControl", "macroKey", "other", "helpMenu",
};
const char kTotalKey[] = "total";
}

QString languageGroupName(uint type)
{
    return type < kLanguageGroupCount ? QString::fromLatin1(kGroupNames[type]) : QString();
}

QStringList readLanguageGroup(const QSettings &file, const QString &group)
{
    const QString prefix = group.isEmpty() ? QString() : group + QLatin1Char('/');
    const int total = qMin(file.value(prefix + QLatin1String(kTotalKey)).toInt(), kMaxLanguageEntries);
    QStringList texts;
    for (int i = 0; i < total; ++i)
        texts.append(file.value(prefix + QString::number(i)).toString());
    return texts;
}

void applyStageTexts(const QStringList &texts)
{
    for (int i = 0; i < qMin(int(texts.size()), kStageTextCount); ++i)
        setStageText(i, texts.at(i));
}

bool isLanguageCode(const QString &langCode)
{
    for (const QChar c : langCode) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return false;
    }
    return true;
}

LanguageStrings::LanguageStrings(const QString &dir)
    : m_dir(dir)
{
}

QString LanguageStrings::filePath(const QString &langCode) const
{
    return QDir(m_dir).filePath(langCode + QLatin1String(kLanguageFileSuffix));
}

QStringList LanguageStrings::getGlobalStrings(const QVariant &type, const QString &langCode) const
{
    if (!isLanguageCode(langCode))
        return QStringList();
    // Read only, so the file is never rewritten and needs no damage check.
    QSettings file(filePath(langCode), QSettings::IniFormat);
    file.setIniCodec(kUtf8Codec);
    const uint table = type.toUInt();
    const QStringList texts = readLanguageGroup(file, languageGroupName(table));
    if (table == uint(LanguageGroup::Other))
        applyStageTexts(texts);
    return texts;
}
