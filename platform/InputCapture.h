#pragma once
// Global capture of the keyboard and the mouse buttons, whatever window has
// the focus. The capture only observes: events still reach the system.
//
// Events are described in the terms of the Windows low-level hooks (message
// codes, set-1 scan codes with the extended flag), which every implementation
// produces, so that one set of key maps serves all platforms. Handlers run on
// the thread that installed the capture, which must run an event loop.

#include <cstdint>

namespace platform {

// Hook code of an event the handler should look at.
constexpr int kCaptureAction = 0;

// Keyboard messages.
constexpr std::uint32_t kMsgKeyDown = 0x0100;
constexpr std::uint32_t kMsgKeyUp = 0x0101;
constexpr std::uint32_t kMsgSysKeyDown = 0x0104;
constexpr std::uint32_t kMsgSysKeyUp = 0x0105;

// Bits of RawKeyEvent::flags.
constexpr std::uint32_t kKeyFlagExtended = 0x01;
constexpr std::uint32_t kKeyFlagAltDown = 0x20;

// Mouse button messages.
constexpr std::uint32_t kMsgLButtonDown = 0x0201;
constexpr std::uint32_t kMsgLButtonUp = 0x0202;
constexpr std::uint32_t kMsgLButtonDblClk = 0x0203;
constexpr std::uint32_t kMsgRButtonDown = 0x0204;
constexpr std::uint32_t kMsgRButtonUp = 0x0205;
constexpr std::uint32_t kMsgRButtonDblClk = 0x0206;
constexpr std::uint32_t kMsgMButtonDown = 0x0207;
constexpr std::uint32_t kMsgMButtonUp = 0x0208;

struct RawKeyEvent {
    int hookCode = kCaptureAction;
    std::uint32_t message = 0;   // kMsgKeyDown, kMsgKeyUp, kMsgSysKeyDown or kMsgSysKeyUp
    std::uint32_t scanCode = 0;  // set-1 scan code, without the 0xE0 prefix
    std::uint32_t flags = 0;     // kKeyFlag... bits
};

struct RawMouseEvent {
    int hookCode = kCaptureAction;
    std::uint32_t message = 0;   // one of the kMsg...Button... codes, or any other mouse message
    int x = 0;                   // pointer position in screen pixels
    int y = 0;
};

using RawKeyHandler = void (*)(const RawKeyEvent &event, void *context);
using RawMouseHandler = void (*)(const RawMouseEvent &event, void *context);

struct CaptureHandlers {
    RawKeyHandler key = nullptr;
    RawMouseHandler mouse = nullptr;
    void *context = nullptr;
};

// Starts capturing keys and buttons into the handlers, replacing an earlier
// capture. Returns true when both keyboard and mouse capture run; otherwise
// nothing is captured (no half capture is left behind) and it returns false.
bool installCapture(const CaptureHandlers &handlers);

// Stops the capture. Safe to call when none runs, and more than once.
void removeCapture();

// True between a successful installCapture() and removeCapture().
bool captureInstalled();

} // namespace platform
