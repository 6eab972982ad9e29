#include "HotKey.h"

namespace {
constexpr uint8_t kUsageLeftShift = 0xE1;
constexpr uint8_t kUsageRightShift = 0xE5;
constexpr uint8_t kUsageLeftAlt = 0xE2;
constexpr uint8_t kUsageRightAlt = 0xE6;
constexpr uint8_t kUsageF12 = 0x45;
} // namespace

bool HotKey::feed(uint8_t usage, bool down)
{
    switch (usage) {
    case kUsageLeftShift:
    case kUsageRightShift:
        m_shift = down;
        return false;
    case kUsageLeftAlt:
    case kUsageRightAlt:
        m_alt = down;
        return false;
    default:
        return down && usage == kUsageF12 && m_shift && m_alt;
    }
}
