#include "KeyTranslation.h"

#include "ScanCodeMap.h"
#include "UsageMap.h"

namespace input {

constexpr std::uint32_t kLargestScanCode = 0xFF;

bool isKeyPress(const platform::RawKeyEvent &event)
{
    return event.hookCode == platform::kCaptureAction
        && (event.message == platform::kMsgKeyDown || event.message == platform::kMsgSysKeyDown);
}

std::uint8_t virtualKeyForEvent(const platform::RawKeyEvent &event)
{
    const std::uint8_t scanCode = event.scanCode > kLargestScanCode ? 0 : static_cast<std::uint8_t>(event.scanCode);
    const bool extended = (event.flags & platform::kKeyFlagExtended) != 0;
    std::uint8_t virtualKey = virtualKeyForScanCode(scanCodeKey(scanCode, extended));
    // Ctrl+Pause arrives as an extended Scroll Lock.
    if (scanCode == kScanScrollLockOrBreak && extended)
        virtualKey = kVirtualKeyPause;
    // Print Screen with Alt held arrives as SysReq.
    if (scanCode == kScanSysReq && (event.flags & platform::kKeyFlagAltDown) != 0)
        virtualKey = kVirtualKeyPrintScreen;
    return virtualKey;
}

std::uint8_t usageForEvent(const platform::RawKeyEvent &event)
{
    const std::uint8_t virtualKey = virtualKeyForEvent(event);
    return virtualKey == 0 ? 0 : usageForVirtualKey(virtualKey);
}

} // namespace input
