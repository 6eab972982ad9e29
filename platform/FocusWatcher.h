#pragma once
// Reports which application window has the keyboard focus. Watchers only
// report; what to do about a focus change is decided elsewhere. Free of Qt
// so that every implementation builds with any compiler.

#include "FocusStatus.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace platform {

struct FocusEvent {
    // The application id: the Wayland app id, the X11 WM_CLASS class (the
    // instance part in `instance`), or the Windows executable's file name.
    std::string appId;
    std::string instance;  // X11 WM_CLASS instance; empty elsewhere
    std::string title;
    long pid = 0;          // 0 when the desktop does not say
    std::string source;    // the watcher's name()
    bool shell = false;    // the desktop shell itself (panel, desktop, overview)
};

class FocusWatcher
{
public:
    using Callback = std::function<void(const FocusEvent &)>;

    virtual ~FocusWatcher() = default;

    // A short name shown to the user and in events: "x11", "sway", "kwin", ...
    virtual std::string name() const = 0;
    // Starts watching. Events, including one for the window focused at the
    // start where the desktop can tell, arrive on the calling thread through
    // its event loop. False when this desktop cannot be watched; status()
    // then says why and what the user can do.
    virtual bool start(Callback onFocus) = 0;
    // Stops watching and undoes what start() set up on the desktop. Safe to
    // call more than once.
    virtual void stop() = 0;
    // One line for the user: the watcher in use, or what is missing.
    virtual StatusText statusText() const = 0;
    // The same in English, as the command line says it.
    std::string status() const { return statusText().english(); }
};

// Stands in where no watcher fits: start() fails with `reason`.
class UnsupportedFocusWatcher : public FocusWatcher
{
public:
    explicit UnsupportedFocusWatcher(StatusText reason) : m_reason(std::move(reason)) {}
    std::string name() const override { return "none"; }
    bool start(Callback) override { return false; }
    void stop() override {}
    StatusText statusText() const override { return m_reason; }

private:
    StatusText m_reason;
};

// The watcher for the desktop this process runs on, chosen at run time;
// never null (where nothing fits, one whose start() fails with a reason).
std::unique_ptr<FocusWatcher> createFocusWatcher();

} // namespace platform
