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

class KeyMapsTest : public QObject
{
    Q_OBJECT

private slots:

    // Where a flag changes the key, and a plain key of each block.
    void translate_keys()
    {
        const struct { const char *name; std::uint32_t scanCode, flags; int usage; } rows[] = {
            {"A", 0x1E, 0, 0x04}, {"F1", 0x3B, 0, 0x3A}, {"F12", 0x58, 0, 0x45}, {"keypad 1", 0x4F, 0, 0x59},
            {"ISO key", 0x56, 0, 0x64}, {"keypad Enter", 0x1C, kExt, 0x58}, {"Alt+Print Screen", 0x54, kAlt, 0x46},
            {"SysReq without Alt", 0x54, 0, 0}, {"Print Screen", 0x37, kExt, 0x46}, {"keypad *", 0x37, 0, 0x55},
            {"Ctrl+Pause", 0x46, kExt, 0x48}, {"Pause", 0x45, 0, 0x48}, {"Num Lock", 0x45, kExt, 0x53},
            {"Scroll Lock", 0x46, 0, 0x47}, {"right Shift", 0x36, kExt, 0xE5}, {"right Alt", 0x38, kExt | kAlt, 0xE6},
            {"keypad 7, Home", 0x47, 0, 0x5F}, {"Home", 0x47, kExt, 0x4A}, {"media key", 0x22, kExt, 0},
            {"scan code above a byte", 0x11E, 0, 0}};
        for (const auto &r : rows)
            QVERIFY2(input::usageForEvent(key(r.scanCode, r.flags)) == r.usage, r.name);
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
