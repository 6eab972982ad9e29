// Talks to the program's window from another process, as Windows programs
// and the system do. Plain Win32, no Qt.
//   winmsg hwnd TITLE                      print the window's handle
//   winmsg copydata TITLE TAG TEXT BYTES   WM_COPYDATA with BYTES of TEXT's UTF-8 (and
//                                          its zero byte); print the answer
//   winmsg devicechange TITLE              WM_DEVICECHANGE (DBT_DEVNODES_CHANGED); print the answer
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

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: winmsg hwnd|copydata|devicechange TITLE ...\n");
        return 2;
    }
    const std::string command = argv[1];
    HWND window = FindWindowW(nullptr, wide(argv[2]).c_str());
    if (!window) {
        std::fprintf(stderr, "winmsg: no window titled %s\n", argv[2]);
        return 1;
    }
    if (command == "hwnd") {
        std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
        return 0;
    }
    DWORD_PTR answer = 0;
    UINT message = WM_DEVICECHANGE;
    WPARAM wParam = kDevNodesChanged;
    LPARAM lParam = 0;
    std::string text;
    COPYDATASTRUCT data = {};
    if (command == "copydata" && argc == 6) {
        text = argv[4];
        data.dwData = std::strtoul(argv[3], nullptr, 10);
        data.cbData = std::strtoul(argv[5], nullptr, 10);
        data.lpData = text.data();  // with its zero byte behind
        if (data.cbData > text.size() + 1)
            return 2;
        message = WM_COPYDATA;
        wParam = 0;
        lParam = reinterpret_cast<LPARAM>(&data);
    } else if (command != "devicechange") {
        return 2;
    }
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &answer))
        return 1;
    std::printf("answer %llu\n", static_cast<unsigned long long>(answer));
    return 0;
}
