#pragma once
// What a desktop's script or extension sends the program about the focused
// window: the D-Bus names both sides use, and the checks every call passes
// before it becomes a FocusEvent.

#include "FocusWatcher.h"

#include <QString>
#include <optional>

namespace platform {

// The method carries its version in its name, so that a script of an older
// program left loaded in the desktop cannot feed a newer one other fields.
constexpr const char *kFocusService = "org.mouseutility.Focus";
constexpr const char *kFocusPath = "/org/mouseutility/Focus";
constexpr const char *kFocusInterface = "org.mouseutility.Focus";
constexpr const char *kFocusMethod = "FocusChanged1";

// Longer ids and titles are not a window's: the call is dropped.
constexpr int kMaxFocusAppIdBytes = 255;
constexpr int kMaxFocusTitleBytes = 4096;

// The event for one call, or nothing when the id is empty, either text is too
// long, not valid Unicode, or the id holds control characters. Control
// characters in a title become spaces.
std::optional<FocusEvent> focusEventFromCall(const QString &appId, const QString &title);

// A token bucket: `burst` calls at once, then one every `intervalMs`. A
// desktop sends a few calls a second (focus changes, a clock in a title);
// anything faster is a runaway script or a caller flooding the program.
class CallRate
{
public:
    CallRate(int burst, qint64 intervalMs) : m_burst(burst), m_intervalMs(intervalMs), m_tokens(burst) {}
    // True when a call at `nowMs` (a monotonic clock) may pass, taking a token.
    bool take(qint64 nowMs);
    // Milliseconds from `nowMs` until take() can next succeed (0: now).
    qint64 wait(qint64 nowMs) const;

private:
    void refill(qint64 nowMs);

    int m_burst;
    qint64 m_intervalMs;
    int m_tokens;
    qint64 m_lastMs = -1;
};

} // namespace platform
