// Per-application profiles on a real sway session: two windows of different
// app ids (this program again, started as a bare window), focused with
// swaymsg; the watcher's reports and the profile on the virtual mouse.
// Runs under in_sway.sh.
#include "AutoProfileService.h"
#include "FocusWatchers.h"
#include "NameLists.h"
#include "SettingsFiles.h"
#include "RunningWindow.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QApplication>
#include <QQmlExpression>
#include <QQuickItem>
#include <QRasterWindow>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <iostream>
#include <memory>

namespace {

constexpr int kSwitchTimeoutMs = 15000;

// A bare window with `appId`; each line on standard input becomes its title.
int runWindow(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(argv[2]));
    QRasterWindow window;
    window.setTitle(QString::fromLocal8Bit(argv[3]));
    window.resize(200, 100);
    window.show();
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line))
            QCoreApplication::quit();
        else
            window.setTitle(QString::fromStdString(line));
    });
    return app.exec();
}

} // namespace

using RunningWindow::page;

class SwayFocusTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<platform::FocusEvent> m_seen;

    QString settingDir() const { return m_dir.filePath(QStringLiteral("modules/setting")); }

    std::unique_ptr<QProcess> openWindow(const char *appId, const char *title)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(), {"--window", appId, title});
        return p;
    }

    static bool swaymsg(const QString &command)
    {
        return QProcess::execute(QStringLiteral("swaymsg"), {command}) == 0;
    }

    bool seenAny(const char *appId) const
    {
        for (const platform::FocusEvent &e : m_seen)
            if (e.appId == appId)
                return true;
        return false;
    }

    bool seenLast(const char *appId, const char *title = nullptr) const
    {
        if (m_seen.isEmpty())
            return false;
        const platform::FocusEvent &e = m_seen.last();
        return e.appId == appId && (!title || e.title == title);
    }

private slots:
    void windows_focused_with_swaymsg_switch_the_mouse()
    {
        QVERIFY2(qEnvironmentVariableIsSet("SWAYSOCK"), "runs in a sway session (in_sway.sh)");
        const int unit = RunningWindow::prepare(m_dir.path());
        NameLists(settingDir()).storeNameList(kProfileNameList, {"Standard0", "Game1", "Mail2"});
        QFile rules(appRulesPath(settingDir()));
        QVERIFY(rules.open(QIODevice::WriteOnly));
        rules.write("{\"enabled\": true, \"rules\": [{\"app\": \"alpha\", \"profile\": 2},"
                    " {\"app\": \"beta\", \"title\": \"Inbox\", \"profile\": \"Mail\"}, {\"app\": \"beta\", \"profile\": 1}]}");
        rules.close();
        Widget w;
        QVERIFY(RunningWindow::start(w));
        // Report rates 1, 2 and 4 tell the three profiles apart on the mouse.
        for (int profile = 0; profile < 3; ++profile)
            w.view()->settings().profile(profile)->setValue(QStringLiteral("sensor/reportRate_Tarn"), 1 << profile);
        auto watcher = platform::createFocusWatcher();
        QCOMPARE(watcher->name(), std::string("sway"));
        new AutoProfileService(w, settingDir(), std::move(watcher));
        // A second watcher records what sway reports.
        auto recorder = platform::createSwayFocusWatcher();
        QVERIFY(recorder->start([this](const platform::FocusEvent &e) { m_seen.append(e); }));
        auto rate = [unit] { return int(vmouse::firmwareState(unit).reportRate); };

        auto alpha = openWindow("Alpha", "first");  // mixed case: the rule says "alpha"
        QTRY_VERIFY_WITH_TIMEOUT(seenAny("Alpha"), kSwitchTimeoutMs);
        auto beta = openWindow("beta", "Drafts");
        QTRY_VERIFY_WITH_TIMEOUT(seenLast("beta", "Drafts"), kSwitchTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 1, kSwitchTimeoutMs);

        // alpha -> beta -> alpha
        QVERIFY(swaymsg(QStringLiteral("[app_id=\"Alpha\"] focus")));
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 2, kSwitchTimeoutMs);
        QCOMPARE(page(w, QStringLiteral("profileMain.profileNo")).toInt(), 1);
        QVERIFY(swaymsg(QStringLiteral("[app_id=\"beta\"] focus")));
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 1, kSwitchTimeoutMs);
        QVERIFY(swaymsg(QStringLiteral("[app_id=\"Alpha\"] focus")));
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 2, kSwitchTimeoutMs);

        // A title change of the window in front.
        QVERIFY(swaymsg(QStringLiteral("[app_id=\"beta\"] focus")));
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 1, kSwitchTimeoutMs);
        beta->write("Inbox (3)\n");
        QTRY_VERIFY_WITH_TIMEOUT(seenLast("beta", "Inbox (3)"), kSwitchTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 4, kSwitchTimeoutMs);
        QCOMPARE(page(w, QStringLiteral("profileMain.profileNo")).toInt(), 2);

        // The focused window closes: focus falls back to alpha.
        beta->closeWriteChannel();
        QVERIFY(beta->waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(seenLast("Alpha"), kSwitchTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(rate(), 2, kSwitchTimeoutMs);

        // The last one closes (this program's own window hidden first): sway
        // says no window is in front, and nothing switches.
        w.hide();
        QTRY_VERIFY_WITH_TIMEOUT(seenLast("Alpha"), kSwitchTimeoutMs);
        alpha->closeWriteChannel();
        QVERIFY(alpha->waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(seenLast(""), kSwitchTimeoutMs);
        QTest::qWait(AutoProfile::kSettleMs * 2);
        QCOMPARE(rate(), 2);
        recorder->stop();
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--window") == 0)
        return runWindow(argc, argv);
    QApplication app(argc, argv);
    SwayFocusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sway_focus.moc"
