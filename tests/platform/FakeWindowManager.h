#pragma once
// What a window manager tells the other programs about the window in front,
// done by a test on a connection of its own: windows with a class, a title
// and a process id, and the root window's _NET_ACTIVE_WINDOW.

#include <QByteArray>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

class FakeWindowManager
{
public:
    explicit FakeWindowManager(const QByteArray &display) : m_d(XOpenDisplay(display.constData())) {}
    ~FakeWindowManager() { if (m_d) XCloseDisplay(m_d); }
    bool ok() const { return m_d; }

    Window open(const char *instance, const char *cls, const char *title, long pid)
    {
        const Window w = XCreateSimpleWindow(m_d, DefaultRootWindow(m_d), 0, 0, 10, 10, 0, 0, 0);
        XClassHint hint{const_cast<char *>(instance), const_cast<char *>(cls)};
        XSetClassHint(m_d, w, &hint);
        setTitle(w, title);
        XChangeProperty(m_d, w, atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&pid), 1);
        XFlush(m_d);
        return w;
    }
    void setTitle(Window w, const char *title)
    {
        XChangeProperty(m_d, w, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(title), int(strlen(title)));
        XFlush(m_d);
    }
    void activate(Window w)
    {
        long value = long(w);
        XChangeProperty(m_d, DefaultRootWindow(m_d), atom("_NET_ACTIVE_WINDOW"), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&value), 1);
        XFlush(m_d);
    }
    void close(Window w)
    {
        XDestroyWindow(m_d, w);
        XFlush(m_d);
    }

private:
    Atom atom(const char *name) { return XInternAtom(m_d, name, False); }
    Display *m_d;
};

