// Capture from the program's own window (Wayland): key events map through the
// same tables as the X11 capture, also from virtual keyboards that bring a
// keymap of their own; buttons, double clicks included, come as presses and
// releases; events of hidden windows and key repeats are not taken.
#include "CaptureRecorder.h"
#include "KeyCapture.h"
#include "WindowCapture.h"
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
};

QTEST_MAIN(WindowCaptureTest)
#include "tst_windowcapture.moc"
