#pragma once
// Finding the mouse without a window: the catalogue, the scan and the
// secrecy code of the found entry, as the device check does, but no event
// listener and no pages. The transport is left free.

class Hid_Thread;
class QSettings;

namespace cli {

// Returns whether a catalogued mouse with both interfaces was found.
bool findMouse(Hid_Thread &hid, const QSettings &appConfig);

} // namespace cli
