#include "FocusWatcher.h"

#include <windows.h>

#include <string>

namespace platform {

namespace {

// Windows of Explorer's desktop and taskbar.
const wchar_t *const kShellClasses[] = {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"};
// Longer titles are cut; a window's class name is at most 256 characters.
constexpr int kMaxTitle = 1024;
constexpr int kMaxClassName = 257;

std::string utf8(const wchar_t *text, int length)
{
    if (length <= 0)
        return {};
    std::string out(WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

// The file name of the executable that runs `pid` ("game.exe"), or "" when the
// process cannot be asked (one of another user, or an elevated one).
std::string executableName(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return {};
    wchar_t path[MAX_PATH * 4];
    DWORD size = DWORD(sizeof path / sizeof path[0]);
    const BOOL ok = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    if (!ok)
        return {};
    DWORD start = size;
    while (start > 0 && path[start - 1] != L'\\' && path[start - 1] != L'/')
        --start;
    return utf8(path + start, int(size - start));
}

// Out-of-context hooks call back on the thread that set them, through its
// message loop, with no pointer of the caller's: one watcher at a time.
class WinFocusWatcher : public FocusWatcher
{
public:
    ~WinFocusWatcher() override { stop(); }

    std::string name() const override { return "windows"; }

    bool start(Callback onFocus) override
    {
        stop();
        if (s_active) {
            m_status = focusStatus(FocusText::AlreadyFollowedHere);
            return false;
        }
        const DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
        m_foreground = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, onEvent, 0, 0, flags);
        m_names = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, onEvent, 0, 0, flags);
        if (!m_foreground || !m_names) {
            stop();
            m_status = focusStatus(FocusText::WindowsHookRefused);
            return false;
        }
        s_active = this;
        m_onFocus = std::move(onFocus);
        // The window in front at the start, through the message loop too.
        m_startTimer = SetTimer(nullptr, 0, 0, onStartTimer);
        m_status = focusStatus(FocusText::WindowsFollowing);
        return true;
    }

    void stop() override
    {
        for (HWINEVENTHOOK *hook : {&m_foreground, &m_names})
            if (*hook)
                UnhookWinEvent(*hook), *hook = nullptr;
        if (m_startTimer)
            KillTimer(nullptr, m_startTimer), m_startTimer = 0;
        if (s_active == this)
            s_active = nullptr;
        m_last = nullptr;
        m_lastTitle.clear();
    }

    StatusText statusText() const override { return m_status; }

private:
    static void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
    {
        if (!s_active || !window || object != OBJID_WINDOW || child != CHILDID_SELF)
            return;
        // Name changes of every object come here; only the window in front counts.
        if (event == EVENT_OBJECT_NAMECHANGE && window != GetForegroundWindow())
            return;
        s_active->report(window, event == EVENT_OBJECT_NAMECHANGE);
    }

    static void CALLBACK onStartTimer(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        if (!s_active || s_active->m_startTimer != timer)
            return;
        s_active->m_startTimer = 0;
        if (HWND window = GetForegroundWindow())
            s_active->report(window, false);
    }

    // Every activation counts, even of the window reported last (the focus
    // may have been in this program between); a rename only when the title
    // differs.
    void report(HWND window, bool renamed)
    {
        wchar_t title[kMaxTitle];
        const int length = GetWindowTextW(window, title, kMaxTitle);
        std::string text = utf8(title, length);
        if (renamed && window == m_last && text == m_lastTitle)
            return;
        // The hook skips this process's events, but not on every system
        // (Wine 8 ignores the flag): this program's windows are never news.
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == GetCurrentProcessId())
            return;
        m_last = window;
        m_lastTitle = text;

        FocusEvent event;
        event.pid = long(pid);
        event.appId = executableName(pid);
        event.title = std::move(text);
        event.source = name();
        wchar_t className[kMaxClassName];
        const int classLength = GetClassNameW(window, className, kMaxClassName);
        for (const wchar_t *shell : kShellClasses)
            event.shell = event.shell || std::wstring(className, classLength) == shell;
        m_onFocus(event);
    }

    static WinFocusWatcher *s_active;
    Callback m_onFocus;
    HWINEVENTHOOK m_foreground = nullptr;
    HWINEVENTHOOK m_names = nullptr;
    UINT_PTR m_startTimer = 0;
    HWND m_last = nullptr;
    std::string m_lastTitle;
    StatusText m_status;
};

WinFocusWatcher *WinFocusWatcher::s_active = nullptr;

} // namespace

std::unique_ptr<FocusWatcher> createFocusWatcher()
{
    return std::make_unique<WinFocusWatcher>();
}

} // namespace platform
