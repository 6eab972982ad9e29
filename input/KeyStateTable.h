#pragma once
// Last reported state of every HID usage, so that a held key (which the
// system repeats) is reported once when it goes down and once when it comes up.

#include <array>
#include <cstdint>

namespace input {

class KeyStateTable
{
public:
    // Records the state and returns true when it differs from the last one.
    bool change(std::uint8_t usage, bool pressed)
    {
        if (m_down[usage] == pressed)
            return false;
        m_down[usage] = pressed;
        return true;
    }

    bool isDown(std::uint8_t usage) const { return m_down[usage]; }

private:
    std::array<bool, 256> m_down{};
};

} // namespace input
