// Per-application profiles on a real sway session, to the virtual mouse:
// windows focused with swaymsg, the program's window on sway beside them.
// Runs under in_sway.sh.
#include "FocusSequences.h"

class SwayFocusTest : public QObject
{
    Q_OBJECT

private slots:
    void windows_focused_with_swaymsg_switch_the_mouse()
    {
        FocusDesktop desktop;
        QVERIFY2(desktop.joinSway(), "runs in a sway session (in_sway.sh)");
        checkProfileSwitches(desktop, "sway");
    }
};

QTEST_MAIN(SwayFocusTest)
#include "tst_sway_focus.moc"
