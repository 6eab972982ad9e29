#include "InputCapture.h"

#include <windows.h>

namespace platform {
namespace {

HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;
CaptureHandlers handlers;

// The hooks only observe: every event goes on down the chain unchanged. A
// negative code asks for exactly that, without looking at the event.
LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && handlers.key) {
        const auto *info = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        RawKeyEvent event;
        event.hookCode = code;
        event.message = static_cast<std::uint32_t>(wParam);
        event.scanCode = info->scanCode;
        event.flags = info->flags;
        handlers.key(event, handlers.context);
    }
    return CallNextHookEx(keyboardHook, code, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && handlers.mouse && wParam >= kMsgLButtonDown && wParam <= kMsgMButtonUp) {
        const auto *info = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        RawMouseEvent event;
        event.hookCode = code;
        event.message = static_cast<std::uint32_t>(wParam);
        event.x = info->pt.x;
        event.y = info->pt.y;
        handlers.mouse(event, handlers.context);
    }
    return CallNextHookEx(mouseHook, code, wParam, lParam);
}

} // namespace

bool installCapture(const CaptureHandlers &newHandlers)
{
    removeCapture();
    handlers = newHandlers;
    // Low-level hooks run on this thread, in its message loop; thread id 0 makes them global.
    const HINSTANCE module = GetModuleHandleW(nullptr);
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    if (keyboardHook && mouseHook)
        return true;
    // Half a capture would leave a hook running that nothing can remove.
    removeCapture();
    return false;
}

void removeCapture()
{
    if (keyboardHook)
        UnhookWindowsHookEx(keyboardHook);
    if (mouseHook)
        UnhookWindowsHookEx(mouseHook);
    // Cleared so that a stale handle is never unhooked a second time.
    keyboardHook = nullptr;
    mouseHook = nullptr;
}

bool captureInstalled()
{
    return keyboardHook != nullptr && mouseHook != nullptr;
}

} // namespace platform
