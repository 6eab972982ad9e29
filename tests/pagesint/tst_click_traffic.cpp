// Clicks on the root page with the device traffic on the command thread:
// the wire trace is the one the traffic in the GUI thread produced, quick
// clicks are neither lost nor doubled, and a click that waits for an answer
// behind long traffic leaves the page painting.
#include "DpiCode.h"
#include "PagesFixture.h"
#include "WireTrace.h"

#include <QQuickWindow>

namespace {

// Window positions: the top of the first DPI stage's track, the second lighting effect, the green preset square.
const QPoint kDpiTrackTop(734 + 10 + 18, 32 + 18 + 6 + 3);
const QPoint kSecondEffect(734 + 8 + 30, 32 + 251 + 5 + 18 + 6 + 36 + 24 + 12);
const QPoint kGreenPreset(734 + 8 + 2 * 26 + 7, 32 + 251 + 5 + 18 + 6 + 36 + 5 * 24 + 24 + 7);

// A click as the user makes it: the page's deferred calls run before the next.
void click(PagesFixture &f, const QPoint &at)
{
    QTest::mouseClick(f.view.get(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

// DPI track, effect, preset, report rate and a profile switch; the trace of the mouse once all of it has gone out.
QString sequenceTrace(bool commandThread)
{
    PagesFixture f;
    f.start();
    if (commandThread)
        f.hid.startCommandThread();
    for (const QPoint &at : {kDpiTrackTop, kSecondEffect, kGreenPreset})
        click(f, at);
    f.js(QStringLiteral("reprotRateMain.reportValue = 2"));
    f.js(QStringLiteral("profileFlow.changeProfile(1); profileFlow.showProfileManager(false)"));
    f.hid.waitCommands();
    return wire::trace().replace(QStringLiteral(" | "), QStringLiteral("\n"));
}

} // namespace

class ClickTrafficTest : public QObject
{
    Q_OBJECT
private slots:
    // The fixture was recorded from the program before the traffic left the GUI thread.
    void sequence_trace_is_unchanged_by_the_command_thread()
    {
        QFile golden(QStringLiteral(SOURCE_DIR "/tests/pagesint/fixtures/click_sequence.trace"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const QString expected = QString::fromLatin1(golden.readAll()).trimmed();
        QCOMPARE(sequenceTrace(false), expected);
        QCOMPARE(sequenceTrace(true), expected);
    }

    void quick_clicks_on_a_track_all_reach_the_mouse_in_order()
    {
        PagesFixture f;
        f.start();
        f.hid.startCommandThread();
        for (int i = 0; i < 10; ++i) {
            click(f, kDpiTrackTop + QPoint(0, 9 * i));
            if (i == 0)
                QVERIFY(f.hid.commandsPending());  // the rest are made during its traffic
        }
        f.hid.waitCommands();
        const QStringList sent = f.sentCommands();
        for (const char *command : {"87", "08", "07"})
            QCOMPARE(sent.count(QLatin1String(command)), 10);
        const unsigned shown = f.js(QStringLiteral("dpiSettingMain.valueForDpi()[0]")).toUInt();
        QVERIFY(shown < 8000);  // the last click was not the first one's value
        QCOMPARE(int(vmouse::firmwareState(f.unit).stageCodes[0]), int(dpiCode(false, shown)));
        QCOMPARE(vmouse::rejects(f.unit).total(), 0);
    }

    // The DPI click asks the mouse for its stage, which waits for four macro
    // slots still on their way (over a second): the page renders frames of
    // the pulsing busy indicator meanwhile, and the answer comes in order.
    void page_paints_while_a_click_waits_for_the_mouse()
    {
        PagesFixture f;
        f.start();
        f.hid.startCommandThread();
        QByteArray macro(192, '\x33');
        for (uchar slot = 0; slot < 4; ++slot)
            f.hid.hid_05H_SetMacroKey(slot, wire::u(macro));

        int frames = 0;
        connect(f.view->quickWindow(), &QQuickWindow::afterRendering, this, [&frames] { ++frames; },
                Qt::DirectConnection);
        QObject *indicator = f.root()->findChild<QObject *>(QStringLiteral("protectUIItem"));
        QVERIFY(indicator);
        bool indicatorShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { indicatorShown = indicatorShown || indicator->property("visible").toBool(); });
        watch.start(20);

        int framesDuringClick = -1;
        QEventLoop loop;
        QTimer::singleShot(0, [&] {
            const int before = frames;
            click(f, kDpiTrackTop);
            framesDuringClick = frames - before;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();

        QVERIFY2(framesDuringClick >= 5, qPrintable(QString::number(framesDuringClick)));
        QVERIFY(indicatorShown);
        f.hid.waitCommands();
        QCOMPARE(f.sentCommands().mid(0, 7), QStringList({"05", "05", "05", "05", "87", "08", "07"}));
    }
};

QTEST_MAIN(ClickTrafficTest)
#include "tst_click_traffic.moc"
