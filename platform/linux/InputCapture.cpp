#include "InputCapture.h"

#include "InputCaptureCodes.h"
#include "WindowCapture.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <sys/socket.h>

// After Qt: Xlib defines macros (None, Bool, Status) that clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace platform {
namespace {

// Raw events are part of XInput 2.0; 2.1 delivers them even while another
// client holds a grab, so ask for the newest the code knows.
constexpr int kXiWantedMajor = 2;
constexpr int kXiWantedMinor = 2;
constexpr int kXiNeededMajor = 2;

// A separate X connection, read on the installing thread through a socket
// notifier, so the handlers run on that (the GUI) thread.
struct X11Capture {
    Display *display = nullptr;
    Window root = 0;
    int xiOpcode = 0;
    std::unique_ptr<QSocketNotifier> notifier;
    CaptureHandlers handlers;
};

std::unique_ptr<X11Capture> current;

// Changes on every install and removal, so that reading stops when a handler
// removed or replaced the capture it was called from.
unsigned generation = 0;

// True while readEvents() runs, that is while the notifier may be the sender
// of the running slot.
bool reading = false;

struct PendingInput {
    int type = 0;
    unsigned detail = 0;
};

bool serverHungUp(int fd)
{
    char byte;
    return recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

// Takes the next event off the connection; only raw key and button events
// are kept, everything else comes back with type 0.
PendingInput nextInput(X11Capture &c)
{
    XEvent event;
    XNextEvent(c.display, &event);
    PendingInput input;
    XGenericEventCookie *cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != c.xiOpcode || !XGetEventData(c.display, cookie))
        return input;
    const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
    input.type = cookie->evtype;
    input.detail = static_cast<unsigned>(raw->detail);
    XFreeEventData(c.display, cookie);
    return input;
}

void deliverKey(const X11Capture &c, const PendingInput &input, bool pressed)
{
    RawKeyEvent event;
    if (c.handlers.key && keyEventForXKeyCode(input.detail, pressed, event))
        c.handlers.key(event, c.handlers.context);
}

void deliverButton(const X11Capture &c, const PendingInput &input, bool pressed)
{
    const std::uint32_t message = messageForXButton(input.detail, pressed);
    if (!c.handlers.mouse || message == 0)
        return;
    // Raw events carry no position: take the pointer's, as close to the click as we get.
    Window rootReturn = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned mask = 0;
    XQueryPointer(c.display, c.root, &rootReturn, &child, &rootX, &rootY, &winX, &winY, &mask);
    RawMouseEvent event;
    event.message = message;
    event.x = rootX;
    event.y = rootY;
    c.handlers.mouse(event, c.handlers.context);
}

void deliver(const X11Capture &c, const PendingInput &input)
{
    switch (input.type) {
    case XI_RawKeyPress:
        deliverKey(c, input, true);
        break;
    case XI_RawKeyRelease:
        deliverKey(c, input, false);
        break;
    case XI_RawButtonPress:
        deliverButton(c, input, true);
        break;
    case XI_RawButtonRelease:
        deliverButton(c, input, false);
        break;
    default:
        break;
    }
}

void readEvents()
{
    if (!current)
        return;
    const unsigned mine = generation;
    X11Capture &c = *current;
    const bool outer = !reading;
    reading = true;
    // Xlib ends the process when it finds its server gone; notice it first and stop capturing.
    if (serverHungUp(ConnectionNumber(c.display))) {
        removeCapture();
    } else {
        // A handler may run a nested event loop; the notifier stays quiet meanwhile.
        c.notifier->setEnabled(false);
        while (generation == mine && XPending(c.display) > 0)
            deliver(c, nextInput(c));
        if (generation == mine)
            c.notifier->setEnabled(true);
    }
    if (outer)
        reading = false;
}

bool selectRawEvents(Display *display, Window root)
{
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask;
    // Master devices only: each slave's events also come through its master.
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof bits;
    mask.mask = bits;
    return XISelectEvents(display, root, &mask, 1) == Success;
}

std::unique_ptr<X11Capture> openCapture()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    auto c = std::make_unique<X11Capture>();
    c->display = display;
    c->root = DefaultRootWindow(display);
    int event = 0;
    int error = 0;
    int major = kXiWantedMajor;
    int minor = kXiWantedMinor;
    if (!XQueryExtension(display, "XInputExtension", &c->xiOpcode, &event, &error)
        || XIQueryVersion(display, &major, &minor) != Success || major < kXiNeededMajor
        || !selectRawEvents(display, c->root)) {
        XCloseDisplay(display);
        return nullptr;
    }
    XSync(display, False);
    return c;
}

} // namespace

bool installCapture(const CaptureHandlers &handlers)
{
    removeCapture();
    // The socket notifier needs an application object and an event loop.
    if (!QCoreApplication::instance())
        return false;
    // There the program captures from its own window instead.
    if (windowCaptureOnly())
        return false;
    std::unique_ptr<X11Capture> c = openCapture();
    if (!c)
        return false;
    c->handlers = handlers;
    c->notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(c->display), QSocketNotifier::Read);
    QObject::connect(c->notifier.get(), &QSocketNotifier::activated, c->notifier.get(), [] { readEvents(); });
    // Events Xlib already buffered while setting up would not wake the notifier.
    QTimer::singleShot(0, c->notifier.get(), [] { readEvents(); });
    current = std::move(c);
    ++generation;
    return true;
}

void removeCapture()
{
    if (!current)
        return;
    ++generation;
    std::unique_ptr<X11Capture> c = std::move(current);
    c->notifier->setEnabled(false);
    // Deleting the sender of the running slot would pull it out from under Qt.
    if (reading)
        c->notifier.release()->deleteLater();
    c->notifier.reset();
    // A vanished server would make Xlib end the process on the way out; leave that connection be.
    if (!serverHungUp(ConnectionNumber(c->display)))
        XCloseDisplay(c->display);
}

bool captureInstalled()
{
    return current != nullptr;
}

} // namespace platform
