#pragma once
// The rules dialog's back end, published to the pages as "appRules": the
// rules file as written, saved back only when the rules read sound, the
// applications seen in front since the start, and the status line.

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "StatusText.h"

#include <functional>

class AppRulesEditor : public QObject
{
    Q_OBJECT
public:
    struct Sources {
        std::function<QStringList()> seenApps;
        // The watcher in use or what is missing, and the file's problems.
        std::function<QString(const platform::TextLookup &)> status;
    };

    AppRulesEditor(const QString &settingDir, Sources sources, QObject *parent = nullptr);

    // {enabled, otherApps, rules: [{app, title, profile}], damaged}
    Q_INVOKABLE QVariantMap load() const;
    // Writes the rules; empty when done, else why nothing was written, in
    // the page's language.
    Q_INVOKABLE QString save(const QVariantMap &rules, bool chinese = false);
    Q_INVOKABLE QStringList seenApps() const { return m_sources.seenApps(); }
    Q_INVOKABLE QString status(bool chinese = false) const { return m_sources.status(lookup(chinese)); }
    // The dialog's texts from the language file; empty for English.
    Q_INVOKABLE QStringList chineseTexts() const;
    // The status texts in the page's language: the language file's Chinese
    // where it has one, else English.
    platform::TextLookup lookup(bool chinese) const;

private:
    QString m_settingDir;
    Sources m_sources;
};
