#include "AppRulesCases.h"

class AppRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void match_data() { addRuleCases(); }

    void match()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, appId);
        QFETCH(QString, instance);
        QFETCH(QString, title);
        QFETCH(bool, enabled);
        QFETCH(int, profile);
        QFETCH(int, rule);
        QFETCH(QString, message);

        const AppRules rules = parseAppRules(json, kListed);
        QCOMPARE(rules.enabled, enabled);
        QCOMPARE(rules.damaged, !enabled && !message.isEmpty());
        const AppRuleMatch m = rules.match(appId, instance, title);
        QCOMPARE(m.profile, profile);
        QCOMPARE(m.rule, rule);
        if (message.isEmpty()) {
            QCOMPARE(rules.message, QString());
        } else {
            QVERIFY2(rules.message.contains(message), qPrintable(rules.message));
            if (!enabled)
                QCOMPARE(rules.message.count(QLatin1Char('\n')), 1);
        }
    }

    // The file as it is found: missing is off in silence; damaged is off
    // with a message, and the file stays as the user wrote it.
    void readsTheSettingsFolder()
    {
        QTemporaryDir dir;
        const AppRules missing = readAppRules(dir.path(), kListed);
        QVERIFY(!missing.enabled);
        QVERIFY(missing.message.isEmpty());

        const QByteArray broken = "{ \"enabled\": true, \"rules\": [ { \"app\": \"x\", ";
        QFile file(appRulesPath(dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(broken);
        file.close();
        const AppRules damaged = readAppRules(dir.path(), kListed);
        QVERIFY(!damaged.enabled);
        QVERIFY(damaged.message.contains(QLatin1String("app-profiles.json")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), broken);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("app-profiles.json")});
    }
};

QTEST_GUILESS_MAIN(AppRulesTest)
#include "tst_apprules.moc"
