// The switcher between the focus watcher and the profile switch: what
// settles, what never switches, what a hand-made choice holds back, and that
// wishes made during a send replace each other. Busy pages and the rules
// file turned off and on are checked in the window (tst_autoprofile_window).
#include "AutoProfile.h"

#include <QtTest>

namespace {

const QVector<ListedProfile> kListed = {{"Standard", 0}, {"Alpha", 1}, {"Beta", 2}, {"Gamma", 3}};
const char kRules[] = "{\"enabled\":true,\"otherApps\":0,\"rules\":["
                      "{\"app\":\"alpha\",\"profile\":2},{\"app\":\"beta\",\"title\":\"/^Mail/\",\"profile\":1},"
                      "{\"app\":\"beta\",\"profile\":3},{\"app\":\"gamma\",\"profile\":4}]}";
constexpr long kOwnPid = 4242;
constexpr int kPastSettleMs = AutoProfile::kSettleMs + 150;

platform::FocusEvent window(const char *app, const char *title = "", long pid = 1000)
{
    return {app, "", title, pid, "test"};
}

} // namespace

class AutoProfileTest : public QObject
{
    Q_OBJECT

    int m_current = 0;
    QVector<int> m_switches;
    std::function<AutoProfile::SwitchResult(int)> m_onSwitch;

    AutoProfile::Hooks hooks()
    {
        AutoProfile::Hooks h;
        h.currentProfile = [this] { return m_current; };
        h.pagesBusy = [] { return false; };
        h.switchProfile = [this](int p) {
            m_switches.append(p);
            if (m_onSwitch)
                return m_onSwitch(p);
            m_current = p;
            return AutoProfile::SwitchResult::Done;
        };
        return h;
    }

    std::unique_ptr<AutoProfile> make()
    {
        auto a = std::make_unique<AutoProfile>(hooks(), kOwnPid);
        a->setRules(parseAppRules(kRules, kListed));
        return a;
    }

private slots:
    void init()
    {
        m_current = 0;
        m_switches.clear();
        m_onSwitch = nullptr;
    }

    void focus_settles_and_windows_passed_through_switch_nothing()
    {
        auto a = make();
        a->focusChanged(window("alpha"));
        QTest::qWait(AutoProfile::kSettleMs / 2);
        QVERIFY(m_switches.isEmpty());
        QTest::qWait(kPastSettleMs);
        QCOMPARE(m_switches, QVector<int>{1});
        a->focusChanged(window("beta"));
        QTest::qWait(kPastSettleMs);
        a->focusChanged(window("ALPHA"));
        QTest::qWait(kPastSettleMs);
        QCOMPARE(m_switches, (QVector<int>{1, 2, 1}));
        QCOMPARE(a->chosenByRule(), 1);
        // Alt+Tab over beta and gamma to alpha: only where it stops counts.
        a->focusChanged(window("beta"));
        QTest::qWait(40);
        a->focusChanged(window("gamma"));
        QTest::qWait(40);
        a->focusChanged(window("alpha"));
        QTest::qWait(kPastSettleMs);
        QCOMPARE(m_switches, (QVector<int>{1, 2, 1}));
        QCOMPARE(a->seenApps(), (QStringList{"alpha", "beta", "ALPHA", "gamma"}));
    }

    void own_windows_shell_and_windows_without_id_never_switch()
    {
        auto a = make();
        platform::FocusEvent shell = window("gnome-shell");
        shell.shell = true;
        for (const platform::FocusEvent &e : {window("beta", "", kOwnPid), shell, window("")}) {
            a->focusChanged(window("alpha"));
            QTest::qWait(30);
            a->focusChanged(e);  // the pending switch to alpha goes with it
            QTest::qWait(kPastSettleMs);
        }
        QVERIFY(m_switches.isEmpty());
        a->setOwnAppId("mouse-utility");
        a->focusChanged(window("Mouse-Utility", "", 0));
        QTest::qWait(kPastSettleMs);
        QVERIFY(m_switches.isEmpty());
    }

    void hand_choice_stands_until_another_application()
    {
        auto a = make();
        a->focusChanged(window("beta", "Inbox"));
        QTRY_COMPARE(m_current, 2);
        m_current = 5;  // chosen in the profile manager
        a->focusChanged(window("beta", "Mail - 3 new"));  // a title rule would say 1
        QTest::qWait(kPastSettleMs);
        QCOMPARE(m_current, 5);
        QCOMPARE(a->chosenByRule(), -1);
        a->focusChanged(window("alpha"));
        QTRY_COMPARE(m_current, 1);
        // Without a hand-made choice a title change does switch.
        a->focusChanged(window("beta", "Inbox"));
        QTRY_COMPARE(m_current, 2);
        a->focusChanged(window("beta", "Mail - 3 new"));
        QTRY_COMPARE(m_current, 0);
        QCOMPARE(a->chosenByRule(), 2);
    }

    void wishes_during_a_send_replace_each_other()
    {
        auto a = make();
        bool first = true;
        m_onSwitch = [&](int p) {
            if (first) {
                first = false;
                // The send takes a while; the user moves on twice meanwhile.
                a->focusChanged(window("beta"));
                QTest::qWait(kPastSettleMs);
                a->focusChanged(window("gamma"));
                QTest::qWait(kPastSettleMs);
            }
            m_current = p;
            return AutoProfile::SwitchResult::Done;
        };
        a->focusChanged(window("alpha"));
        QTRY_COMPARE(m_current, 3);
        QCOMPARE(m_switches, (QVector<int>{1, 3}));

        // Another command holds the mouse: tried again, not dropped.
        int busyAnswers = 2;
        m_onSwitch = [&](int p) {
            if (busyAnswers-- > 0)
                return AutoProfile::SwitchResult::Busy;
            m_current = p;
            return AutoProfile::SwitchResult::Done;
        };
        a->focusChanged(window("alpha"));
        QTRY_COMPARE(m_current, 1);
        QCOMPARE(m_switches, (QVector<int>{1, 3, 1, 1, 1}));
    }

};

QTEST_GUILESS_MAIN(AutoProfileTest)
#include "tst_autoprofile.moc"
