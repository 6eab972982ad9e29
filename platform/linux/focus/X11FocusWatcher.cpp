// The window in front on an X11 desktop: the window manager names it in the
// root window's _NET_ACTIVE_WINDOW, and says when that changes through a
// property event. The title is followed on the active window itself.
#include "FocusWatchers.h"

#include <QSocketNotifier>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>
#include <string>
#include <vector>

namespace platform {

namespace {

// Windows go away between the event that names them and the calls that read
// them: those errors are expected for this watcher's own connection.
XErrorHandler previousHandler = nullptr;
Display *watchedDisplay = nullptr;

int ignoreVanishedWindows(Display *display, XErrorEvent *error)
{
    if (display == watchedDisplay)
        return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

class X11FocusWatcher : public FocusWatcher
{
public:
    ~X11FocusWatcher() override { stop(); }

    std::string name() const override { return "x11"; }
    StatusText statusText() const override { return m_status; }

    bool start(Callback onFocus) override
    {
        stop();
        m_display = XOpenDisplay(nullptr);
        if (!m_display) {
            m_status = focusStatus(FocusText::NoX11Display);
            return false;
        }
        m_onFocus = std::move(onFocus);
        watchedDisplay = m_display;
        XErrorHandler old = XSetErrorHandler(ignoreVanishedWindows);
        if (old != ignoreVanishedWindows)
            previousHandler = old;
        m_root = DefaultRootWindow(m_display);
        m_activeAtom = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
        m_netNameAtom = XInternAtom(m_display, "_NET_WM_NAME", False);
        m_utf8Atom = XInternAtom(m_display, "UTF8_STRING", False);
        m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        m_typeAtom = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", False);
        m_desktopTypeAtom = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DESKTOP", False);
        m_dockTypeAtom = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DOCK", False);
        XSelectInput(m_display, m_root, PropertyChangeMask);
        m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { drain(); });
        m_status = focusStatus(FocusText::X11Watching);
        activeChanged();
        drain();
        return true;
    }

    void stop() override
    {
        m_notifier.reset();
        if (m_display) {
            XCloseDisplay(m_display);
            if (watchedDisplay == m_display)
                watchedDisplay = nullptr;
            m_display = nullptr;
        }
        m_active = 0;
    }

private:
    // Every event Xlib holds, including those read along with a reply.
    void drain()
    {
        while (m_display && XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type != PropertyNotify)
                continue;
            const XPropertyEvent &p = event.xproperty;
            if (p.window == m_root && p.atom == m_activeAtom)
                activeChanged();
            else if (p.window == m_active && m_active && (p.atom == m_netNameAtom || p.atom == XA_WM_NAME))
                report();
        }
    }

    // The window's property of `type` and 32-bit format, as longs.
    std::vector<unsigned long> longs(Window window, Atom property, Atom type)
    {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        std::vector<unsigned long> out;
        if (XGetWindowProperty(m_display, window, property, 0, 64, False, type, &actualType, &format, &count, &after,
                               &data) == Success && data && format == 32) {
            const auto *values = reinterpret_cast<unsigned long *>(data);
            out.assign(values, values + count);
        }
        if (data)
            XFree(data);
        return out;
    }

    std::string text(Window window, Atom property, Atom type)
    {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        std::string out;
        if (XGetWindowProperty(m_display, window, property, 0, 1024, False, type, &actualType, &format, &count, &after,
                               &data) == Success && data && format == 8)
            out.assign(reinterpret_cast<char *>(data), count);
        if (data)
            XFree(data);
        return out;
    }

    void activeChanged()
    {
        const std::vector<unsigned long> active = longs(m_root, m_activeAtom, XA_WINDOW);
        const Window window = active.empty() ? 0 : Window(active.front());
        if (window == m_active && window)
            return;
        if (m_active)
            XSelectInput(m_display, m_active, NoEventMask);
        m_active = window;
        if (m_active)
            XSelectInput(m_display, m_active, PropertyChangeMask);
        XFlush(m_display);
        report();
    }

    void report()
    {
        FocusEvent event;
        event.source = name();
        if (m_active) {
            XClassHint hint{};
            if (XGetClassHint(m_display, m_active, &hint)) {
                event.instance = hint.res_name ? hint.res_name : "";
                event.appId = hint.res_class ? hint.res_class : "";
                XFree(hint.res_name);
                XFree(hint.res_class);
            }
            event.title = text(m_active, m_netNameAtom, m_utf8Atom);
            if (event.title.empty())
                event.title = text(m_active, XA_WM_NAME, AnyPropertyType);
            const std::vector<unsigned long> pid = longs(m_active, m_pidAtom, XA_CARDINAL);
            event.pid = pid.empty() ? 0 : long(pid.front());
            for (unsigned long type : longs(m_active, m_typeAtom, XA_ATOM))
                if (type == m_desktopTypeAtom || type == m_dockTypeAtom)
                    event.shell = true;
        }
        if (m_onFocus)
            m_onFocus(event);
    }

    Display *m_display = nullptr;
    Window m_root = 0;
    Window m_active = 0;
    Atom m_activeAtom = None, m_netNameAtom = None, m_utf8Atom = None, m_pidAtom = None;
    Atom m_typeAtom = None, m_desktopTypeAtom = None, m_dockTypeAtom = None;
    std::unique_ptr<QSocketNotifier> m_notifier;
    Callback m_onFocus;
    StatusText m_status = focusStatus(FocusText::NotStarted, {"X11"});
};

} // namespace

std::unique_ptr<FocusWatcher> createX11FocusWatcher()
{
    return std::make_unique<X11FocusWatcher>();
}

} // namespace platform
