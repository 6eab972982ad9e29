#include "PointerSettingsStore.h"

#include "PointerLevels.h"
#include "PointerSettings.h"
#include "SettingsKeys.h"

#include <QDebug>
#include <QString>

#include <utility>

namespace {

void reportFailure(const char *text)
{
    qDebug("%s", text);
}

} // namespace

PointerSettingsStore::PointerSettingsStore(ProfileSource currentProfile)
    : m_currentProfile(std::move(currentProfile))
{
}

void PointerSettingsStore::setCursorSpeed(uint cursorSpeed)
{
    store(kCursorSpeedKey, cursorSpeed);
    const std::optional<std::uint32_t> speed = pointerSpeedFromLevel(cursorSpeed);
    if (!speed || !platform::setPointerSpeed(*speed))
        reportFailure("setCursorSpeed Failed");
}

uint PointerSettingsStore::getCursorSpeed() const
{
    return stored(kCursorSpeedKey);
}

void PointerSettingsStore::setDoubleClickSpeed(uint speed)
{
    store(kDoubleClickSpeedKey, speed);
    const std::optional<std::uint32_t> milliseconds = doubleClickTimeFromLevel(speed);
    if (!milliseconds || !platform::setDoubleClickTime(*milliseconds))
        reportFailure("setDoubleClickSpeed Failed");
}

uint PointerSettingsStore::getDoubleClickSpeed() const
{
    return stored(kDoubleClickSpeedKey);
}

void PointerSettingsStore::setVerticalScrollLines(uint lines)
{
    store(kScrollLinesKey, lines);
    if (!scrollLinesValid(lines) || !platform::setWheelScrollLines(lines))
        reportFailure("setVerticalScrollLines Failed");
}

uint PointerSettingsStore::getVerticalScrollLines() const
{
    return stored(kScrollLinesKey);
}

void PointerSettingsStore::setAcceleration(bool acceleration)
{
    if (!platform::setPointerAcceleration(acceleration))
        reportFailure("setAcceleration Failed");
}

bool PointerSettingsStore::getAcceleration() const
{
    bool enabled = false;
    if (!platform::getPointerAcceleration(&enabled)) {
        reportFailure("getAcceleration Failed");
        return false;
    }
    return enabled;
}

void PointerSettingsStore::store(const char *key, uint value) const
{
    if (QSettings *profile = m_currentProfile ? m_currentProfile() : nullptr)
        profile->setValue(QString::fromLatin1(key), value);
}

uint PointerSettingsStore::stored(const char *key) const
{
    const QSettings *profile = m_currentProfile ? m_currentProfile() : nullptr;
    return profile ? profile->value(QString::fromLatin1(key), 0).toUInt() : 0;
}
