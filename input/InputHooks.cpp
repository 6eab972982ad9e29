#include "InputHooks.h"

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
    return platform::installCapture(handlers);
}

void removeHooks()
{
    platform::removeCapture();
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
