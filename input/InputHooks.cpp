#include "InputHooks.h"

#include "WindowCapture.h"

namespace input {
namespace {

void onKey(const platform::RawKeyEvent &event, void *context)
{
    static_cast<KeyCapture *>(context)->keyEvent(event);
}

void onMouse(const platform::RawMouseEvent &event, void *context)
{
    static_cast<KeyCapture *>(context)->mouseEvent(event);
}

} // namespace

KeyCapture &keyCapture()
{
    static KeyCapture capture;
    return capture;
}

bool installHooks()
{
    platform::CaptureHandlers handlers;
    handlers.key = onKey;
    handlers.mouse = onMouse;
    handlers.context = &keyCapture();
    if (platform::installCapture(handlers))
        return true;
    // Without a desktop-wide capture, keys still reach the program's own window.
    return platform::installWindowCapture(handlers);
}

void removeHooks()
{
    platform::removeCapture();
    platform::removeWindowCapture();
}

void setKeyboardCallback(KeyboardCallback callback, void *context)
{
    keyCapture().setKeyboardCallback(callback, context);
}

void setMouseCallback(MouseCallback callback, void *context)
{
    keyCapture().setMouseCallback(callback, context);
}

} // namespace input
