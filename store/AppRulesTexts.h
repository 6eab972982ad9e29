#pragma once
// What the rules file's reader says of a file it cannot take whole, as keys
// into one table of texts (AppRulesTexts.cpp); the language file's
// [appRules] group has the same ids.

#include "StatusText.h"

#include <QString>
#include <QStringList>
#include <QVector>

enum class RulesText {
    // A line of the file's notes: %1 the file, %2 the reason below.
    FileDamaged,
    FileNote,
    FileUnreadable,    // %1 only
    FileUnwritable,    // %1 only
    TooLarge,
    NotJson,           // %1 the byte, %2 the parser's words
    NotObject,
    EnabledNotBool,
    OtherAppsBad,
    OtherAppsMissing,  // %1 the profile as written
    RulesNotList,
    TooManyRules,      // %1 the most
    RuleNotObject,     // %1 the rule's number, in every rule text
    RuleNoApp,
    RuleTitleNotText,
    RuleBadPattern,    // %2 the title, %3 the parser's words
    RuleBadProfile,
    RuleMissingProfile,  // %2 the app, %3 the profile as written
    Count
};

const platform::TextKey &rulesText(RulesText text);
platform::StatusText rulesStatus(RulesText text, const QStringList &args = {});

// One problem of the rules file: `line` names the file and takes the
// reason, when there is one, as its last word.
struct AppRulesNote {
    platform::StatusText line;
    platform::StatusText reason;
};

// The notes one to a line, each ending in a newline; empty when there are none.
QString appRulesNotesText(const QVector<AppRulesNote> &notes, const platform::TextLookup &lookup);
// The same in English.
QString appRulesNotesText(const QVector<AppRulesNote> &notes);
