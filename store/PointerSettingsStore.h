#pragma once
// Pointer speed, double-click speed and wheel lines kept per profile and
// applied to the system; pointer acceleration switched and read, not kept.
//
// A setter stores the level first and then applies its converted value, so a
// value the system refuses stays in the profile and is tried again at the
// next profile load. A refusal, a level outside the pages' range or a setting
// the running desktop does not keep writes one debug line ("setCursorSpeed
// Failed" and the like) and changes nothing on the system. The getters read
// only the profile, 0 when the key is absent.

#include <QSettings>

#include <functional>

class PointerSettingsStore
{
public:
    // Gives the current profile's settings handle; null stores nothing and
    // reads 0. Asked anew on every call, so a profile switch is followed.
    using ProfileSource = std::function<QSettings *()>;

    explicit PointerSettingsStore(ProfileSource currentProfile);

    void setCursorSpeed(uint cursorSpeed);
    uint getCursorSpeed() const;

    void setDoubleClickSpeed(uint speed);
    uint getDoubleClickSpeed() const;

    // 1000 is the pages' one-screen-per-notch choice and is passed on as is.
    void setVerticalScrollLines(uint lines);
    uint getVerticalScrollLines() const;

    void setAcceleration(bool acceleration);
    // Asks the system; false when it cannot be read.
    bool getAcceleration() const;

private:
    void store(const char *key, uint value) const;
    uint stored(const char *key) const;

    ProfileSource m_currentProfile;
};
