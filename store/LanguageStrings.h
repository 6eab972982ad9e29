#pragma once
// Translated texts for the pages, read from <dir>/<langCode>.ini (UTF-8).
// The file holds one group per text table: `total` entries under the keys
// 0 .. total-1. Group "other" holds the eight DPI stage texts, which also
// replace the process-wide stage texts (StageTexts.h).

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "SettingsPaths.h"

// Groups by table number, as the pages ask for them.
enum class LanguageGroup : uint {
    Main = 0,
    KeyMatrix = 1,
    KeyMenu = 2,
    MacroEditor = 3,
    GunControl = 4,
    MacroKey = 5,
    Other = 6,
    HelpMenu = 7,
};
constexpr uint kLanguageGroupCount = 8;

// A table longer than this is taken as damage: the largest page table has 45
// texts, and a corrupt `total` must not make the reader loop for minutes.
constexpr int kMaxLanguageEntries = 1000;

// "main", "keyMatrix", ... "other", "helpMenu"; empty for any other number, which
// addresses the keys outside every group (the file's General section).
QString languageGroupName(uint type);

// Entries 0 .. total-1 of `group`; a missing entry is an empty string, a
// missing or non-numeric `total` gives no entries.
QStringList readLanguageGroup(const QSettings &file, const QString &group);

// Copies texts 0 .. 7 into the stage texts, as far as `texts` has them.
void applyStageTexts(const QStringList &texts);

// A language code names a file in the language folder and nothing else.
bool isLanguageCode(const QString &langCode);

class LanguageStrings
{
public:
    explicit LanguageStrings(const QString &dir = QString::fromLatin1(kLanguageDir));

    // The texts of table `type` (converted to unsigned as the toolkit
    // converts) from <dir>/<langCode>.ini; table 6 also sets the stage
    // texts. A missing file, or a code that is not a plain file name, gives
    // an empty list and leaves the stage texts alone.
    QStringList getGlobalStrings(const QVariant &type, const QString &langCode) const;

    QString filePath(const QString &langCode) const;

private:
    QString m_dir;
};
