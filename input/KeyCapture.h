#pragma once
// Turns captured events into what the program reports: a HID usage with its
// pressed flag for keys (each change of a key once), a button code with the
// pointer position for mouse buttons (every press and every release).

#include "InputCapture.h"
#include "KeyStateTable.h"

#include <cstdint>

namespace input {

using KeyboardCallback = void (*)(std::uint8_t usage, bool pressed, void *context);
using MouseCallback = void (*)(std::uint8_t button, bool pressed, int x, int y, void *context);

class KeyCapture
{
public:
    // A later registration replaces the earlier one; a null function stops reporting.
    void setKeyboardCallback(KeyboardCallback callback, void *context);
    void setMouseCallback(MouseCallback callback, void *context);

    // The state table follows every key even while no callback is registered.
    void keyEvent(const platform::RawKeyEvent &event);
    void mouseEvent(const platform::RawMouseEvent &event);

    const KeyStateTable &keyStates() const { return m_keyStates; }

private:
    KeyStateTable m_keyStates;
    KeyboardCallback m_keyboard = nullptr;
    void *m_keyboardContext = nullptr;
    MouseCallback m_mouse = nullptr;
    void *m_mouseContext = nullptr;
};

} // namespace input
