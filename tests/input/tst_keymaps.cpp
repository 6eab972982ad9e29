#include "CaptureRecorder.h"
#include "KeyTranslation.h"
#include "MouseButtons.h"
#include "ScanCodeMap.h"
#include "UsageMap.h"

using platform::RawKeyEvent;

namespace {

constexpr std::uint32_t kExt = platform::kKeyFlagExtended;
constexpr std::uint32_t kAlt = platform::kKeyFlagAltDown;

RawKeyEvent key(std::uint32_t scanCode, std::uint32_t flags = 0, std::uint32_t message = platform::kMsgKeyDown)
{
    RawKeyEvent e;
    e.message = message;
    e.scanCode = scanCode;
    e.flags = flags;
    return e;
}

RawKeyEvent up(std::uint32_t scanCode, std::uint32_t flags = 0) { return key(scanCode, flags, platform::kMsgKeyUp); }

platform::RawMouseEvent mouse(std::uint32_t message, int x, int y)
{
    platform::RawMouseEvent e;
    e.message = message;
    e.x = x;
    e.y = y;
    return e;
}

} // namespace

Q_DECLARE_METATYPE(RawKeyEvent)

class KeyMapsTest : public QObject
{
    Q_OBJECT

private slots:

    // Where a flag changes the key, and a plain key of each block.
    void translate_keys_data()
    {
        QTest::addColumn<RawKeyEvent>("event");
        QTest::addColumn<int>("usage");
        QTest::newRow("A") << key(0x1E) << 0x04;
        QTest::newRow("F1") << key(0x3B) << 0x3A;
        QTest::newRow("F12") << key(0x58) << 0x45;
        QTest::newRow("keypad 1") << key(0x4F) << 0x59;
        QTest::newRow("ISO key") << key(0x56) << 0x64;
        QTest::newRow("keypad Enter") << key(0x1C, kExt) << 0x58;
        QTest::newRow("Alt+Print Screen") << key(0x54, kAlt) << 0x46;
        QTest::newRow("SysReq without Alt") << key(0x54) << 0;
        QTest::newRow("Print Screen") << key(0x37, kExt) << 0x46;
        QTest::newRow("keypad *") << key(0x37) << 0x55;
        QTest::newRow("Ctrl+Pause") << key(0x46, kExt) << 0x48;
        QTest::newRow("Pause") << key(0x45) << 0x48;
        QTest::newRow("Num Lock") << key(0x45, kExt) << 0x53;
        QTest::newRow("Scroll Lock") << key(0x46) << 0x47;
        QTest::newRow("right Shift") << key(0x36, kExt) << 0xE5;
        QTest::newRow("right Alt") << key(0x38, kExt | kAlt) << 0xE6;
        QTest::newRow("keypad 7, Home") << key(0x47) << 0x5F;
        QTest::newRow("Home") << key(0x47, kExt) << 0x4A;
        QTest::newRow("media key") << key(0x22, kExt) << 0;
        QTest::newRow("scan code above a byte") << key(0x11E) << 0;
    }
    void translate_keys()
    {
        QFETCH(RawKeyEvent, event);
        QFETCH(int, usage);
        QCOMPARE(int(input::usageForEvent(event)), usage);
    }

    void capture_eachKeyChangeOnce()
    {
        CaptureRecorder r;
        input::KeyCapture capture;
        capture.setKeyboardCallback(CaptureRecorder::onKey, &r);
        capture.keyEvent(up(0x1E));  // release of a press never seen
        for (int i = 0; i < 5; ++i)
            capture.keyEvent(key(0x1E));  // held: the system repeats the press
        capture.keyEvent(key(0x2A));
        capture.keyEvent(key(0x36, kExt | kAlt, platform::kMsgSysKeyDown));  // with Alt held
        capture.keyEvent(up(0x1E));
        capture.keyEvent(up(0x1E));
        capture.keyEvent(key(0x36, kExt | kAlt, platform::kMsgSysKeyUp));
        RawKeyEvent other = key(0x2A);
        other.hookCode = 3;  // not an action: counts as a release
        capture.keyEvent(other);
        capture.keyEvent(key(0x5C, kExt));  // right Windows
        capture.keyEvent(key(0x59));        // unmapped
        QCOMPARE(r.keys, (Keys{{0x04, true}, {0xE1, true}, {0xE5, true}, {0x04, false}, {0xE5, false}, {0xE1, false}}));
    }

    void buttons_everyPressAndRelease()
    {
        CaptureRecorder r;
        input::KeyCapture capture;
        capture.mouseEvent(mouse(platform::kMsgLButtonDown, 5, 5));  // no callback: nothing, no crash
        capture.setMouseCallback(CaptureRecorder::onButton, &r);
        // A double click: two presses and releases; the double-click message says nothing.
        for (std::uint32_t m : {platform::kMsgLButtonDown, platform::kMsgLButtonUp, platform::kMsgLButtonDblClk,
                                platform::kMsgLButtonDown, platform::kMsgLButtonUp})
            capture.mouseEvent(mouse(m, 10, 20));
        for (std::uint32_t other : {0x0200u, platform::kMsgRButtonDblClk, 0x0209u, 0x020Au, 0x020Bu})
            capture.mouseEvent(mouse(other, 0, 0));  // move, double clicks, wheel, extra buttons
        capture.mouseEvent(mouse(platform::kMsgRButtonDown, -3, 7));
        capture.mouseEvent(mouse(platform::kMsgMButtonUp, 0, 1));
        QCOMPARE(r.buttons, (Buttons{{0xF0, true, 10, 20}, {0xF0, false, 10, 20}, {0xF0, true, 10, 20},
                                     {0xF0, false, 10, 20}, {0xF1, true, -3, 7}, {0xF2, false, 0, 1}}));
    }
};

QTEST_GUILESS_MAIN(KeyMapsTest)
#include "tst_keymaps.moc"
