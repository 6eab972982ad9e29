#pragma once
// Sending a profile's whole configuration to the mouse, in the order and
// with the values the pages use when the profile manager closes after a
// switch: button definitions and the macros their buttons play, axis
// sensitivity, DPI stages with stage 2 current and the stage colours,
// lighting, report rate, pointer settings, and the lighting colour again.
// Everything goes through the same store classes as the pages' slots, so
// the profile file sees the same writes.

#include "DeviceSettings.h"
#include "GunAxisCommands.h"
#include "MacroAssignments.h"
#include "MacroFiles.h"
#include "MacroSlots.h"
#include "NameLists.h"
#include "PanelValues.h"
#include "PointerSettingsStore.h"
#include "ProfileGunAxis.h"
#include "Profiles.h"

class Hid_Thread;
class SettingsFiles;

// The store classes over one set of settings files and one device link.
struct ProfileStores {
    ProfileStores(SettingsFiles &files, const QString &settingDir, Hid_Thread *device);

    SettingsFiles &files;
    DeviceSettings device;
    PointerSettingsStore pointer;
    ProfileGunAxis gunAxis;
    GunAxisCommands axisCommands;
    MacroFiles macros;
    MacroAssignments assignments;
    MacroSlots macroSlots;
    NameLists names;
    Profiles profiles;
};

class ProfileSender
{
public:
    explicit ProfileSender(ProfileStores &stores);

    // Choosing `profile` in the profile manager: it becomes the current and
    // the start profile, and the report rate goes out when it differs from
    // the previous profile's, followed by the lighting colour. Returns false,
    // changing nothing, when it already is current.
    bool select(int profile);
    // The whole configuration of the current profile.
    void sendAll();
    // The macro of every button whose definition in `matrix` (the 64 values
    // sent as the key matrix) plays one, to the button's slot.
    void sendButtonMacros(const QVariantList &matrix);
    // The stored macro `name`, encoded, to `slot`; nothing for a missing macro.
    void sendMacro(int slot, const QString &name);

private:
    QVariantList sendKeyMatrix();
    void sendAxis();
    void sendDpi();
    void sendLighting();
    void sendReportRate();
    void sendPointer();
    void sendLedColour(int r, int g, int b);

    ProfileStores &m_stores;
    panel::Lighting m_lighting;  // the lighting panel's state
};
