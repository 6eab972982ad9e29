#include "MouseButtons.h"

#include "InputCapture.h"

#include <array>

namespace input {
namespace {

struct ButtonEntry {
    std::uint32_t message;
    std::uint8_t button;
    bool pressed;
};

// Double clicks are left out: the system also sends down and up for them.
constexpr std::array<ButtonEntry, 6> kButtons = {{
    {platform::kMsgLButtonDown, kButtonLeft, true},
    {platform::kMsgLButtonUp, kButtonLeft, false},
    {platform::kMsgRButtonDown, kButtonRight, true},
    {platform::kMsgRButtonUp, kButtonRight, false},
    {platform::kMsgMButtonDown, kButtonMiddle, true},
    {platform::kMsgMButtonUp, kButtonMiddle, false},
}};

} // namespace

ButtonChange buttonForMessage(std::uint32_t message)
{
    for (const ButtonEntry &e : kButtons)
        if (e.message == message)
            return {e.button, e.pressed};
    return {};
}

} // namespace input
