#pragma once
// The cases of the rules table test: a file, a window, what the rules say.

#include "AppRules.h"

#include <QtTest>

// The profiles listed in every case: names and numbers resolve against these.
static const QVector<ListedProfile> kListed = {{QStringLiteral("Standard"), 0},
                                               {QStringLiteral("Game"), 2},
                                               {QStringLiteral("Draw"), 4}};

static const char kExample[] = R"({ "enabled": true, "otherApps": 1,
  "rules": [ { "app": "steam_app_570", "profile": 3 },
             { "app": "firefox", "title": "/ - Figma$/", "profile": "Draw" },
             { "app": "firefox", "title": "Mail", "profile": 3 },
             { "app": "Notepad", "profile": 5 },
             { "app": "*", "title": "[draft]", "profile": "Standard" } ] })";

inline void addRuleCases()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("appId");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("profile");  // index, -1 leave
    QTest::addColumn<int>("rule");     // 1-based, 0 otherApps, -1 none
    QTest::addColumn<QString>("message");  // a part of it; empty: no message

    const QByteArray ex(kExample);
    QTest::newRow("id, other case") << ex << "Steam_App_570" << "" << "Dota" << true << 2 << 1 << "";
    QTest::newRow("instance part of the class") << ex << "Navigator" << "firefox" << "Inbox - Mail" << true << 2 << 3 << "";
    QTest::newRow("regex title, first match wins") << ex << "firefox" << "" << "Mail - Figma" << true << 4 << 2 << "";
    QTest::newRow("regex anchored") << ex << "firefox" << "" << "Figma - Mail x" << true << 2 << 3 << "";
    QTest::newRow("title text is case-sensitive") << ex << "firefox" << "" << "mail" << true << 0 << 0 << "";
    QTest::newRow("executable with .exe") << ex << "NOTEPAD.EXE" << "" << "" << true << 4 << 4 << "";
    QTest::newRow("wildcard with title") << ex << "gimp" << "" << "[draft] x" << true << 0 << 5 << "";
    QTest::newRow("no rule: otherApps") << ex << "gimp" << "" << "pic" << true << 0 << 0 << "";
    QTest::newRow("otherApps 0 leaves it")
        << QByteArray(R"({"enabled":true,"otherApps":0,"rules":[{"app":"a","profile":1}]})") << "b" << "" << ""
        << true << -1 << -1 << "";
    QTest::newRow("off as written")
        << QByteArray(R"({"enabled":false,"rules":[{"app":"a","profile":1}]})") << "a" << "" << "" << false << 0 << 1 << "";
    QTest::newRow("missing profiles skipped and named")
        << QByteArray(R"({"enabled":true,"otherApps":"Nope","rules":[{"app":"a","profile":2},
                          {"app":"a","profile":"Gone"},{"app":"a","profile":7},{"app":"a","profile":"Game"}]})")
        << "A" << "" << "" << true << 2 << 4 << "rule 2 (app \"a\") names profile \"Gone\"";
    QTest::newRow("number of an unlisted profile skipped")
        << QByteArray(R"({"enabled":true,"rules":[{"app":"a","profile":2}]})") << "a" << "" << "" << true << -1 << -1
        << "rule 1 (app \"a\") names profile 2, which does not exist";

    // Damaged files: one message, the feature off.
    const struct { const char *name; const char *json; const char *why; } damaged[] = {
        {"not JSON", "{ \"enabled\": true, ", "not valid JSON"},
        {"not an object", "[1,2]", "not a JSON object"},
        {"enabled not a bool", R"({"enabled":"yes"})", "\"enabled\""},
        {"rules not a list", R"({"enabled":true,"rules":{}})", "\"rules\" is not a list"},
        {"rule without app", R"({"enabled":true,"rules":[{"profile":1}]})", "rule 1 has no \"app\""},
        {"profile of wrong kind", R"({"enabled":true,"rules":[{"app":"a","profile":true}]})", "rule 1: \"profile\""},
        {"fractional profile", R"({"enabled":true,"rules":[{"app":"a","profile":1.5}]})", "rule 1: \"profile\""},
        {"bad regex", R"({"enabled":true,"rules":[{"app":"a","title":"/(x/","profile":1}]})", "not a valid regular"},
        {"title not text", R"({"enabled":true,"rules":[{"app":"a","title":3,"profile":1}]})", "\"title\" is not text"},
        {"otherApps of wrong kind", R"({"enabled":true,"otherApps":[1]})", "\"otherApps\""},
    };
    for (const auto &d : damaged)
        QTest::newRow(d.name) << QByteArray(d.json) << "a" << "" << "" << false << -1 << -1 << d.why;
}
