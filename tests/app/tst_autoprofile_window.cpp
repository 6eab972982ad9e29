// Per-application profiles in the running window, end to end: a window
// manager's report on a private Xvfb, the rules file in the settings
// folder, and the profile the virtual mouse ends up holding.
#include "AppRulesEditor.h"
#include "CliRequest.h"
#include "FocusWatchers.h"
#include "RulesWindow.h"
#include "XvfbServer.h"

// Last: the X11 headers define names the toolkit's headers use.
#include "FakeWindowManager.h"

using RunningWindow::page;

class AutoProfileWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString settingDir() const { return m_dir.filePath(QStringLiteral("modules/setting")); }

    void writeRules(const QByteArray &json)
    {
        QFile file(appRulesPath(settingDir()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
    }
    AppRulesText savedRules() const
    {
        QFile file(appRulesPath(settingDir()));
        return appRulesText(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }

private slots:
    void rules_switch_the_mouse_as_the_window_in_front_changes()
    {
        XvfbServer xvfb;
        QVERIFY(!xvfb.display().isEmpty());
        qputenv("DISPLAY", xvfb.display());
        FakeWindowManager wm(xvfb.display());
        QVERIFY(wm.ok());

        RulesWindow window(m_dir.path(),
                           "{\"enabled\": true, \"otherApps\": \"Standard\", \"rules\": [{\"app\": \"game\", \"profile\": 2}]}",
                           false);
        Widget &w = window.w;
        // Mixed case: the rule says "game", the window's class is "Game".
        const Window game = wm.open("game-bin", "Game", "Level 1", 999);
        const Window editor = wm.open("editor", "Editor", "notes", 998);
        wm.activate(game);
        // The rules start with the window, before a mouse is connected: the
        // window in front has its profile once the pages are up.
        auto *service = window.follow(platform::createX11FocusWatcher());
        w.show();
        w.checkDevice();
        QTest::qWait(AutoProfile::kSettleMs * 2);
        window.unit = vmouse::plugMouse();
        QVERIFY(RunningWindow::start(w));
        QTRY_COMPARE_WITH_TIMEOUT(window.profileNo(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 2, 10000);
        const cli::Reply status = cli::decodeReply(RunningWindow::carryOut(cli::encodeRequest(cli::parse({"--status"}, {})), w));
        QVERIFY2(status.out.contains(QLatin1String("per-application rules: on (Watching the X11 desktop (x11))")),
                 qPrintable(status.out));
        QVERIFY2(status.out.contains(QLatin1String("profile chosen: rule 1 (app \"game\")")), qPrintable(status.out));

        // A choice by hand (here the command line) stands while the game
        // stays in front, though the choice saves files beside the rules.
        const cli::Reply manual = cli::decodeReply(RunningWindow::carryOut(cli::encodeRequest(cli::parse({"--profile", "1"}, {})), w));
        QCOMPARE(manual.status, int(cli::kDone));
        QTest::qWait(AutoProfile::kSettleMs * 3 + AutoProfileService::kReloadDelayMs);
        QCOMPARE(window.rate(), 1);

        // Other applications take otherApps (the profile in use already).
        wm.activate(editor);
        QTest::qWait(AutoProfile::kSettleMs * 2);
        QCOMPARE(window.rate(), 1);
        QCOMPARE(window.profileNo(), 0);

        // The profile manager open holds the switch; closed, the latest wish follows.
        page(w, QStringLiteral("profileFlow.showProfileManager(true)"));
        wm.activate(game);
        QTest::qWait(AutoProfile::kSettleMs * 3);
        QCOMPARE(window.profileNo(), 0);
        page(w, QStringLiteral("profileFlow.showProfileManager(false)"));
        QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 2, 10000);

        // The file changes on disk: damaged, the feature is off with one message.
        writeRules("{\"enabled\": true, \"rules\": [");
        QTRY_VERIFY(!service->switcher().rules().enabled);
        QCOMPARE(w.notifier().history().filter(QStringLiteral("app-profiles.json: not valid JSON")).size(), 1);
        wm.activate(editor);
        QTest::qWait(AutoProfile::kSettleMs * 3);
        QCOMPARE(window.rate(), 2);
        // Mended, it is on again and applies to the window in front.
        writeRules("{\"enabled\": true, \"rules\": [{\"app\": \"EDITOR\", \"profile\": 1}]}");
        QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 1, 10000);
    }

    // The rules dialog of the profile manager edits the file: the rules as
    // written, the applications seen, the status line where no watcher fits,
    // in the page's language.
    void rules_dialog_edits_the_file()
    {
        RunningWindow::prepare(m_dir.path());
        writeRules("{\"enabled\": false, \"otherApps\": 0, \"rules\": [{\"app\": \"game\", \"profile\": 2}]}");
        Widget w;
        QVERIFY(RunningWindow::start(w));
        auto *service = new AutoProfileService(w, settingDir(), std::make_unique<platform::UnsupportedFocusWatcher>(
                                                                    platform::focusStatus(platform::FocusText::UnsupportedWayland)));
        platform::FocusEvent game;
        game.appId = "Game";
        game.pid = 1;
        service->switcher().focusChanged(game);

        QObject *dialog = w.view()->rootObject()->findChild<QObject *>(QStringLiteral("appRulesDialog"));
        QVERIFY(dialog);
        auto js = [dialog](const QString &code) { return QQmlExpression(qmlContext(dialog), dialog, code).evaluate(); };
        page(w, QStringLiteral("profileFlow.showProfileManager(true)"));
        js(QStringLiteral("open()"));
        QVERIFY(w.pageGate().busy());
        QCOMPARE(js(QStringLiteral("ruleModel.count")).toInt(), 1);
        QCOMPARE(js(QStringLiteral("rulesOn")).toBool(), false);
        QObject *status = w.view()->rootObject()->findChild<QObject *>(QStringLiteral("rulesStatus"));
        QVERIFY(status->property("text").toString().contains(QLatin1String("not supported on this Wayland desktop")));
        js(QStringLiteral("addRule(appRules.seenApps()[0]); rulesOn = true; move(-1); save()"));
        QCOMPARE(js(QStringLiteral("notice")).toString(), QStringLiteral("Saved"));
        const AppRulesText saved = savedRules();
        QVERIFY(saved.enabled);
        QCOMPARE(saved.rules.size(), 2);
        QCOMPARE(saved.rules.at(0).app, QStringLiteral("Game"));
        // A rule that cannot be read is not written.
        js(QStringLiteral("ruleModel.setProperty(0, 'title', '/(/'); save()"));
        QVERIFY(js(QStringLiteral("notice")).toString().contains(QLatin1String("not a valid regular expression")));
        QCOMPARE(savedRules().rules.at(0).title, QString());

        // A rule naming a missing profile is skipped, and the line says so.
        writeRules("{\"enabled\": true, \"rules\": [{\"app\": \"Game\", \"title\": \" - Level\", \"profile\": 2},"
                   " {\"app\": \"old\", \"profile\": \"Gone\"}]}");
        QTRY_VERIFY(service->statusText().contains(QLatin1String("skipped")));
        js(QStringLiteral("visible = false; open()"));
        QVERIFY2(status->property("text").toString().startsWith(QLatin1String("Not following: Per-application profiles")),
                 qPrintable(status->property("text").toString()));
        w.view()->grabFramebuffer().save(QStringLiteral(BINARY_DIR "/rules-dialog-en.png"));
        page(w, QStringLiteral("language = 1"));
        QVERIFY(js(QStringLiteral("texts[0]")).toString() != QLatin1String("Application rules"));
        const QString chinese = status->property("text").toString();
        QVERIFY2(chinese.contains(QStringLiteral("未在跟踪：此 Wayland 桌面")) && chinese.contains(QStringLiteral("已跳过"))
                     && !chinese.contains(QLatin1String("Not following")) && !chinese.contains(QLatin1String("skipped")),
                 qPrintable(chinese));
        w.view()->grabFramebuffer().save(QStringLiteral(BINARY_DIR "/rules-dialog-zh.png"));

        // Every status text has its Chinese, with the English text's words.
        auto *editor = qobject_cast<AppRulesEditor *>(
            w.view()->rootContext()->contextProperty(QStringLiteral("appRules")).value<QObject *>());
        QVERIFY(editor);
        const platform::TextLookup zh = editor->lookup(true);
        const QRegularExpression word(QStringLiteral("%[1-9]"));
        auto words = [&word](const QString &text) {
            QStringList found;
            for (auto it = word.globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            found.removeDuplicates();
            return found;
        };
        QVector<const platform::TextKey *> keys;
        for (int i = 0; i < int(platform::FocusText::Count); ++i)
            keys << &platform::focusText(platform::FocusText(i));
        for (int i = 0; i < int(RulesText::Count); ++i)
            keys << &rulesText(RulesText(i));
        for (const platform::TextKey *key : keys) {
            const QString text = QString::fromStdString(zh(*key));
            QVERIFY2(text != QLatin1String(key->english), key->id);
            QVERIFY2(words(text) == words(QLatin1String(key->english)), key->id);
        }
    }
};

QTEST_MAIN(AutoProfileWindowTest)
#include "tst_autoprofile_window.moc"
