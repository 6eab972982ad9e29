// Capture from the program's own window (Wayland): key events map through the
// same tables as the X11 capture, also from virtual keyboards that bring a
// keymap of their own; buttons, double clicks included, come as presses and
// releases; events of hidden windows and key repeats are not taken. Evdev
// keys that share a scan code with a main-block key keep their own usages.
#include "CaptureRecorder.h"
#include "KeyCapture.h"
#include "KeyTranslation.h"
#include "WindowCapture.h"
#include "linux/InputCaptureCodes.h"
#include "linux/InputCaptureKeymap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace {

constexpr unsigned kSymA = 0x61;
constexpr unsigned kSymKeypadEnter = 0xff8d;

void key(QWindow &window, QEvent::Type type, quint32 code, quint32 sym, bool repeat = false)
{
    QKeyEvent event(type, 0, Qt::NoModifier, code, sym, 0, QString(), repeat);
    QCoreApplication::sendEvent(&window, &event);
}

void button(QWindow &window, QEvent::Type type, Qt::MouseButton which)
{
    const QPointF at(10, 20);
    QMouseEvent event(type, at, at, QPointF(110, 220), which, which, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

// The usage an evdev key reports once turned into a scan code.
int usageOfEvdev(unsigned evdevKey)
{
    const platform::ScanCode scan = platform::scanCodeForEvdevKey(evdevKey);
    platform::RawKeyEvent e;
    e.message = platform::kMsgKeyDown;
    e.scanCode = scan.code;
    e.flags = scan.extended ? platform::kKeyFlagExtended : 0;
    return input::usageForEvent(e);
}

} // namespace

class WindowCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void key_from_code_or_symbol()
    {
        QCOMPARE(platform::evdevKeyForEvent(38, kSymA), 30u);            // a keyboard: the code
        QCOMPARE(platform::evdevKeyForEvent(9, kSymA), 30u);             // a typing tool's keymap: the symbol
        QCOMPARE(platform::evdevKeyForEvent(9, 0), 1u);                  // no symbol: the code
    }

    void shown_window_events_are_captured()
    {
        input::KeyCapture capture;
        CaptureRecorder recorder;
        capture.setKeyboardCallback(CaptureRecorder::onKey, &recorder);
        capture.setMouseCallback(CaptureRecorder::onButton, &recorder);
        QVERIFY(platform::installWindowCapture(
            {[](const platform::RawKeyEvent &e, void *c) { static_cast<input::KeyCapture *>(c)->keyEvent(e); },
             [](const platform::RawMouseEvent &e, void *c) { static_cast<input::KeyCapture *>(c)->mouseEvent(e); },
             &capture}));

        QWindow shown;
        shown.show();
        QWindow hidden;
        key(shown, QEvent::KeyPress, 9, kSymA);
        key(shown, QEvent::KeyPress, 9, kSymA, true);
        key(hidden, QEvent::KeyRelease, 9, kSymA);
        key(shown, QEvent::KeyRelease, 104, kSymKeypadEnter);
        key(shown, QEvent::KeyRelease, 9, kSymA);
        QCOMPARE(recorder.keys, Keys({{0x04, true}, {0x04, false}}));

        button(shown, QEvent::MouseButtonPress, Qt::LeftButton);
        button(shown, QEvent::MouseButtonRelease, Qt::LeftButton);
        button(shown, QEvent::MouseButtonDblClick, Qt::LeftButton);
        button(hidden, QEvent::MouseButtonPress, Qt::RightButton);
        button(shown, QEvent::MouseButtonPress, Qt::BackButton);
        button(shown, QEvent::MouseButtonRelease, Qt::RightButton);
        QCOMPARE(recorder.buttons,
                 Buttons({{0xF0, true, 110, 220}, {0xF0, false, 110, 220}, {0xF0, true, 110, 220}, {0xF1, false, 110, 220}}));

        platform::removeWindowCapture();
        key(shown, QEvent::KeyPress, 38, kSymA);
        QCOMPARE(recorder.keys.size(), size_t(2));
    }

    // Keys that share a scan code with a basic-block key must come out as
    // their own usages.
    void evdev_usages_data()
    {
        QTest::addColumn<unsigned>("evdev");
        QTest::addColumn<int>("usage");
        const struct {
            const char *name;
            unsigned evdev;
            int usage;
        } rows[] = {
            {"Enter", 28, 0x28}, {"keypad Enter", 96, 0x58}, {"right Ctrl", 97, 0xE4}, {"right Shift", 54, 0xE5},
            {"right Alt", 100, 0xE6}, {"keypad /", 98, 0x54}, {"keypad *", 55, 0x55}, {"Print Screen", 99, 0x46},
            {"Num Lock", 69, 0x53}, {"Pause", 119, 0x48}, {"keypad 8", 72, 0x60}, {"Up", 103, 0x52},
            {"Home", 102, 0x4A}, {"End", 107, 0x4D}, {"Page Up", 104, 0x4B}, {"Page Down", 109, 0x4E},
            {"Left", 105, 0x50}, {"Right", 106, 0x4F}, {"Down", 108, 0x51}, {"Insert", 110, 0x49},
            {"Delete", 111, 0x4C}, {"left Windows", 125, 0xE3}, {"right Windows", 126, 0}, {"Menu", 127, 0x65},
            {"F13", 183, 0}, {"F23", 193, 0x72}, {"none: 84", 84, 0}, {"none: mute", 113, 0}, {"none: large", 100000, 0},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.evdev << row.usage;
    }
    void evdev_usages()
    {
        QFETCH(unsigned, evdev);
        QFETCH(int, usage);
        QCOMPARE(usageOfEvdev(evdev), usage);
    }

    void evdev_basicBlockAllReports()
    {
        for (unsigned k = 1; k <= 88; ++k)
            if (k != 84 && k != 85)
                QVERIFY2(usageOfEvdev(k) != 0, qPrintable(QString::number(k)));
    }
};

QTEST_MAIN(WindowCaptureTest)
#include "tst_windowcapture.moc"
