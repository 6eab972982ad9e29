// Capture from the program's own window (Wayland): key events map by the
// key's position, whatever the layout's symbols, to the usages the X11 capture
// gives; buttons, double clicks included, come as presses and releases; events
// of hidden windows and key repeats are not taken. Evdev keys that share a
// scan code with a main-block key keep their own usages.
#include "CaptureRecorder.h"
#include "KeyTranslation.h"
#include "WindowCapture.h"
#include "linux/InputCaptureCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <xkbcommon/xkbcommon.h>

#include <map>
#include <memory>

namespace {

constexpr unsigned kSymA = 0x61;
constexpr unsigned kSymKeypadEnter = 0xff8d;
constexpr unsigned kXkbA = 38;  // the US "a" key: evdev 30

void key(QWindow &window, QEvent::Type type, quint32 code, quint32 sym, bool repeat = false,
         Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(type, 0, modifiers, code, sym, 0, QString(), repeat);
    QCoreApplication::sendEvent(&window, &event);
}

// Evdev codes of the keys of the main block that type characters: the
// digit row, the three letter rows with their punctuation, the ISO key
// beside the left Shift, and the space bar.
std::vector<unsigned> mainBlockKeys()
{
    std::vector<unsigned> keys{86, 57};
    for (const unsigned first : {2u, 16u, 30u, 43u})
        for (unsigned k = first; k <= (first == 43 ? 53 : first + 11); ++k)
            keys.push_back(k);
    return keys;
}

// A layout's keymap and a state of it, as a compositor keeps them.
struct Layout {
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context{xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                       xkb_context_unref};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap{nullptr, xkb_keymap_unref};
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state{nullptr, xkb_state_unref};

    explicit Layout(const char *name)
    {
        const xkb_rule_names names = {"evdev", "pc105", name, "", ""};
        keymap.reset(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (keymap)
            state.reset(xkb_state_new(keymap.get()));
    }

    // The symbol the key gives, with or without Shift held.
    xkb_keysym_t symbol(unsigned xkbKey, bool shift) const
    {
        const xkb_mod_mask_t mask = shift ? 1u << xkb_keymap_mod_get_index(keymap.get(), XKB_MOD_NAME_SHIFT) : 0;
        xkb_state_update_mask(state.get(), mask, 0, 0, 0, 0, 0);
        return xkb_state_key_get_one_sym(state.get(), xkbKey);
    }
};

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
    // Every main-block key of each layout, at the plain and the Shift level,
    // as the Wayland platform hands it over (the XKB key code and the
    // layout's symbol): the X11 capture's usage for the position, and no
    // two keys alike.
    void layouts_capture_by_position_data()
    {
        QTest::addColumn<QString>("layout");
        for (const char *layout : {"us", "fr", "de", "be", "gb"})
            QTest::newRow(layout) << QString::fromLatin1(layout);
    }
    void layouts_capture_by_position()
    {
        QFETCH(QString, layout);
        const Layout keyboard(layout.toLatin1().constData());
        QVERIFY2(keyboard.state, "no keyboard descriptions to build the keymap from");

        input::KeyCapture capture;
        CaptureRecorder recorder;
        capture.setKeyboardCallback(CaptureRecorder::onKey, &recorder);
        QVERIFY(platform::installWindowCapture(
            {[](const platform::RawKeyEvent &e, void *c) { static_cast<input::KeyCapture *>(c)->keyEvent(e); },
             nullptr, &capture}));
        QWindow shown;
        shown.show();
        for (const bool shift : {false, true}) {
            std::map<int, unsigned> owner;  // usage -> evdev key
            for (const unsigned evdev : mainBlockKeys()) {
                const unsigned xkbKey = evdev + platform::kXKeyCodeOffset;
                const xkb_keysym_t sym = keyboard.symbol(xkbKey, shift);
                recorder.clear();
                const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
                key(shown, QEvent::KeyPress, xkbKey, sym, false, modifiers);
                key(shown, QEvent::KeyRelease, xkbKey, sym, false, modifiers);
                const QString where = QStringLiteral("%1 key %2 shift %3 symbol %4")
                                          .arg(layout).arg(evdev).arg(shift).arg(sym, 0, 16);
                QVERIFY2(recorder.keys.size() == 2, qPrintable(where));
                const int usage = recorder.keys.front().usage;
                QVERIFY2(usage == usageOfEvdev(evdev), qPrintable(where));
                QVERIFY2(owner.emplace(usage, evdev).second, qPrintable(where + " shares its usage"));
            }
        }
        platform::removeWindowCapture();
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
        key(shown, QEvent::KeyPress, kXkbA, kSymA);
        key(shown, QEvent::KeyPress, kXkbA, kSymA, true);
        key(hidden, QEvent::KeyRelease, kXkbA, kSymA);
        key(shown, QEvent::KeyRelease, 104, kSymKeypadEnter);
        key(shown, QEvent::KeyRelease, kXkbA, kSymA);
        QCOMPARE(recorder.keys, Keys({{0x04, true}, {0x04, false}}));

        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick})
            button(shown, type, Qt::LeftButton);
        button(hidden, QEvent::MouseButtonPress, Qt::RightButton);
        button(shown, QEvent::MouseButtonPress, Qt::BackButton);
        button(shown, QEvent::MouseButtonRelease, Qt::RightButton);
        QCOMPARE(recorder.buttons,
                 Buttons({{0xF0, true, 110, 220}, {0xF0, false, 110, 220}, {0xF0, true, 110, 220}, {0xF1, false, 110, 220}}));

        platform::removeWindowCapture();
        key(shown, QEvent::KeyPress, kXkbA, kSymA);
        QCOMPARE(recorder.keys.size(), size_t(2));
    }

    // Keys that share a scan code with a basic-block key must come out as their own usages.
    void evdev_usages_data()
    {
        QTest::addColumn<unsigned>("evdev");
        QTest::addColumn<int>("usage");
        const struct { const char *name; unsigned evdev; int usage; } rows[] = {
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
