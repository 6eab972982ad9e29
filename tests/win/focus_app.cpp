// A small program with one window for the focus watcher test, built under
// two executable names. Prints the window's handle, then runs until the
// window is closed. Plain Win32, no Qt.
// Wine 8 raises no foreground or name-change events by itself: on
// kRaiseEvent (event in wParam) the program raises one for its window, as
// Windows does from the window's own process.
//   focus_app TITLE
#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kRaiseEvent = WM_APP + 1;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRaiseEvent) {
        NotifyWinEvent(DWORD(wParam), window, OBJID_WINDOW, CHILDID_SELF);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    WNDCLASSW type = {};
    type.lpfnWndProc = windowProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"FocusApp";
    RegisterClassW(&type);
    wchar_t title[256];
    MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, title, 256);
    HWND window = CreateWindowExW(0, L"FocusApp", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320, 200,
                                  nullptr, nullptr, type.hInstance, nullptr);
    if (!window)
        return 1;
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
