// Talks to the program's window from another process, as Windows programs
// and the system do. Plain Win32, no Qt.
//   winmsg hwnd TITLE                      print the window's handle
//   winmsg count TITLE                     print how many visible windows have the title
//   winmsg copydata TITLE TAG TEXT BYTES   WM_COPYDATA with BYTES of TEXT's UTF-8 (and
//                                          its zero byte); print the answer
//   winmsg devicechange TITLE              WM_DEVICECHANGE (DBT_DEVNODES_CHANGED)
//   winmsg target TITLE                    show a window of this process until killed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr WPARAM kDevNodesChanged = 0x0007;
constexpr UINT kAnswerTimeoutMs = 20000;

std::wstring wide(const char *text)
{
    std::wstring out(MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), int(out.size()));
    out.resize(out.size() - 1);
    return out;
}

struct Count {
    std::wstring title;
    int visible = 0;
};

BOOL CALLBACK countWindow(HWND window, LPARAM context)
{
    auto *count = reinterpret_cast<Count *>(context);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (IsWindowVisible(window) && count->title == text)
        ++count->visible;
    return TRUE;
}

int showTarget(const std::wstring &title)
{
    WNDCLASSW type = {};
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"winmsg_target";
    RegisterClassW(&type);
    HWND window = CreateWindowW(type.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, type.hInstance, nullptr);
    SetForegroundWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: winmsg hwnd|count|copydata|devicechange|target TITLE ...\n");
        return 2;
    }
    const std::string command = argv[1];
    const std::wstring title = wide(argv[2]);
    if (command == "target")
        return showTarget(title);
    if (command == "count") {
        Count count{title};
        EnumWindows(countWindow, reinterpret_cast<LPARAM>(&count));
        std::printf("%d\n", count.visible);
        return 0;
    }
    HWND window = FindWindowW(nullptr, title.c_str());
    if (!window) {
        std::fprintf(stderr, "winmsg: no window titled %s\n", argv[2]);
        return 1;
    }
    if (command == "hwnd") {
        std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
        return 0;
    }
    DWORD_PTR answer = 0;
    if (command == "copydata" && argc == 6) {
        std::string text = argv[4];
        COPYDATASTRUCT data = {};
        data.dwData = std::strtoul(argv[3], nullptr, 10);
        data.cbData = std::strtoul(argv[5], nullptr, 10);
        data.lpData = text.data();  // with its zero byte behind
        if (data.cbData > text.size() + 1)
            return 2;
        if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                                 kAnswerTimeoutMs, &answer))
            return 1;
    } else if (command == "devicechange") {
        if (!SendMessageTimeoutW(window, WM_DEVICECHANGE, kDevNodesChanged, 0, SMTO_NORMAL, kAnswerTimeoutMs, &answer))
            return 1;
    } else {
        return 2;
    }
    std::printf("answer %llu\n", static_cast<unsigned long long>(answer));
    return 0;
}
