#include "KeyCapture.h"

#include "KeyTranslation.h"
#include "MouseButtons.h"

namespace input {

void KeyCapture::setKeyboardCallback(KeyboardCallback callback, void *context)
{
    m_keyboard = callback;
    m_keyboardContext = context;
}

void KeyCapture::setMouseCallback(MouseCallback callback, void *context)
{
    m_mouse = callback;
    m_mouseContext = context;
}

void KeyCapture::keyEvent(const platform::RawKeyEvent &event)
{
    const std::uint8_t usage = usageForEvent(event);
    if (usage == 0)
        return;
    const bool pressed = isKeyPress(event);
    if (m_keyStates.change(usage, pressed) && m_keyboard)
        m_keyboard(usage, pressed, m_keyboardContext);
}

void KeyCapture::mouseEvent(const platform::RawMouseEvent &event)
{
    const ButtonChange change = buttonForMessage(event.message);
    if (change.button != 0 && m_mouse)
        m_mouse(change.button, change.pressed, event.x, event.y, m_mouseContext);
}

} // namespace input
