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

    // Both maps entry by entry against the tables they come from: "a-b:v"
    // maps keys a..b to v, v+1, ...; every other key maps to 0.
    void maps_match_their_tables()
    {
        const auto table = [](const char *rows) {
            QMap<int, int> m;
            for (const QString &row : QString::fromLatin1(rows).split(QLatin1Char(' '))) {
                const QStringList kv = row.split(QLatin1Char(':'));
                const QStringList range = kv.at(0).split(QLatin1Char('-'));
                const int first = range.first().toInt(nullptr, 16), last = range.last().toInt(nullptr, 16);
                for (int k = first; k <= last; ++k)
                    m.insert(k, kv.at(1).toInt(nullptr, 16) + k - first);
            }
            return m;
        };
        const QMap<int, int> plain = table(
            "01:1B 02-0A:31 0B:30 0C:BD 0D:BB 0E:08 0F:09 10:51 11:57 12:45 13:52 14:54 15:59 16:55 17:49 18:4F "
            "19:50 1A:DB 1B:DD 1C:0D 1D:A2 1E:41 1F:53 20:44 21:46 22:47 23:48 24:4A 25:4B 26:4C 27:BA 28:DE "
            "29:C0 2A:A0 2B:DC 2C:5A 2D:58 2E:43 2F:56 30:42 31:4E 32:4D 33:BC 34:BE 35:BF 37:6A 38:A4 39:20 "
            "3A:14 3B-44:70 45:13 46:91 47-49:67 4A:6D 4B-4D:64 4E:6B 4F-51:61 52:60 53:6E 56:E2 57-58:7A 6E:86");
        const QMap<int, int> extended = table("1C:0E 1D:A3 35:6F 36:A1 37:2C 38:A5 45:90 47:24 48:26 49:21 4B:25 "
                                              "4D:27 4F:23 50:28 51:22 52:2D 53:2E 5B:5B 5D:5D");
        const QMap<int, int> usage = table(
            "41-5A:04 31-39:1E 30:27 0D:28 1B:29 08:2A 09:2B 20:2C BD:2D BB:2E DB:2F DD:30 DC:31 BA:33 DE:34 "
            "C0:35 BC:36 BE:37 BF:38 14:39 70-7B:3A 2C:46 91:47 13:48 2D:49 24:4A 21:4B 2E:4C 23:4D 22:4E 27:4F "
            "25:50 28:51 26:52 90:53 6F:54 6A:55 6D:56 6B:57 0E:58 61-69:59 60:62 6E:63 E2:64 5D:65 FF:66 7C-87:68 "
            "C2:85 C1:87 EB:8B A2:E0 A0:E1 A4:E2 5B:E3 A3:E4 A1:E5 A5:E6 5C:E7");
        QCOMPARE(plain.size(), input::kScanCodeEntriesPlain);
        QCOMPARE(extended.size(), input::kScanCodeEntriesExtended);
        QCOMPARE(usage.size(), input::kUsageEntries);
        for (int k = 0; k < 256; ++k) {
            const auto u8 = static_cast<std::uint8_t>(k);
            QCOMPARE(int(input::virtualKeyForScanCode(input::scanCodeKey(u8, false))), plain.value(k));
            QCOMPARE(int(input::virtualKeyForScanCode(input::scanCodeKey(u8, true))), extended.value(k));
            QCOMPARE(int(input::usageForVirtualKey(u8)), usage.value(k));
        }
    }

    // Where a flag changes the key; plain keys follow the tables above.
    void translate_keys_data()
    {
        QTest::addColumn<RawKeyEvent>("event");
        QTest::addColumn<int>("usage");
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
