#pragma once
// The per-application rules: which profile the mouse should hold while a
// given application is in front. The file (app-profiles.json in the
// settings folder) is edited by hand, so everything in it is checked here,
// where it enters; the rest of the program sees only sound rules.

#include "AppRulesTexts.h"
#include "NameLists.h"
#include "ProfileList.h"

#include <QRegularExpression>
#include <QString>
#include <QVector>

extern const char kAppRulesFileName[];  // "app-profiles.json"

struct AppRule {
    QString app;          // compared without regard to case; "*" matches any
    QString title;        // empty: any title
    bool titleIsPattern = false;      // written /.../: a regular expression
    QRegularExpression titlePattern;
    int profile = -1;     // index 0 .. 5
    int number = 0;       // 1-based position in the file, for messages
};

struct AppRuleMatch {
    static constexpr int kOtherApps = 0;
    int profile = -1;  // index, -1: leave the profile as it is
    int rule = -1;     // 1-based position of the rule that chose; kOtherApps; -1 none
};

struct AppRules {
    bool enabled = false;
    bool damaged = false;  // the file could not be read as rules: off
    int otherApps = -1;  // profile index for windows no rule matches; -1 leaves it
    QVector<AppRule> rules;
    // None when the file was read whole; else one per problem. A damaged
    // file leaves `enabled` false; skipped rules leave it as written.
    QVector<AppRulesNote> notes;
    QString message;  // the notes in English, one line each

    AppRuleMatch match(const QString &appId, const QString &instance, const QString &title) const;
};

// Whether rule `app` names the window's application: either part of the
// X11 class, and a Windows executable's name with or without ".exe".
bool appIdMatches(const QString &ruleApp, const QString &appId, const QString &instance);

// The rules in `json`, with profile names and numbers resolved against the
// listed profiles; names the file as `fileName` in messages.
AppRules parseAppRules(const QByteArray &json, const QVector<ListedProfile> &profiles,
                       const QString &fileName = QString::fromLatin1(kAppRulesFileName));

// The rules file of the settings folder; a missing file is "off" without a
// message. The file is only read, never changed.
AppRules readAppRules(const QString &settingDir, const QVector<ListedProfile> &profiles);
QString appRulesPath(const QString &settingDir);

// The file as the rules dialog shows and writes it: the values as written,
// profiles as text (a number 1 .. 6 or a name; otherApps "0" or empty: leave).
struct AppRuleText {
    QString app;
    QString title;
    QString profile;
};
struct AppRulesText {
    bool enabled = false;
    QString otherApps;
    QVector<AppRuleText> rules;
};

// What a readable file holds; for a damaged one, as much as can be read.
AppRulesText appRulesText(const QByteArray &json);
QByteArray appRulesJson(const AppRulesText &text);
