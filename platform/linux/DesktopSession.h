#pragma once
// What kind of desktop session this process runs in, from the variables the
// session sets; the back ends that differ per desktop choose by these.

namespace platform {

// Whether XDG_CURRENT_DESKTOP (a colon-separated list, most specific first,
// "ubuntu:GNOME") names `name`, case aside.
bool onDesktop(const char *name);
// A Wayland session: XDG_SESSION_TYPE says so or a Wayland display is set.
bool waylandSession();

} // namespace platform
