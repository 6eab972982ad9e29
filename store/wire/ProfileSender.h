#pragma once
// Sending a profile's whole configuration to the mouse: button definitions
// and the macros their buttons play, axis sensitivity, DPI stages with
// stage 2 current and the stage colours, lighting, report rate, pointer
// settings, and the lighting colour again. The pages, the command line and
// the running program's request handler all send a profile through here.
// What goes out is read by readProfileValues; sending never rewrites the
// profile's file.

#include "DeviceSettings.h"
#include "GunAxisCommands.h"
#include "MacroAssignments.h"
#include "MacroFiles.h"
#include "MacroSlots.h"
#include "NameLists.h"
#include "PointerSettingsStore.h"
#include "ProfileGunAxis.h"
#include "ProfileValues.h"
#include "Profiles.h"

class Hid_Thread;
class SettingsFiles;

// The store classes over one set of settings files and one device link.
struct ProfileStores {
    ProfileStores(SettingsFiles &files, const QString &settingDir, Hid_Thread *device);
    void setDevice(Hid_Thread *device);

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
    // The whole configuration of the current profile, in the order of a
    // profile switch.
    void sendAll();
    // Replaces `profile` by the factory profile and sends the current
    // profile in the order of a factory reset.
    void resetAndSend(int profile);
    // The macro of every button of the current profile that plays one, to
    // the button's slot.
    void sendButtonMacros();
    // The stored macro `name` to `slot`, cut to what a slot holds; nothing
    // for a missing macro.
    void sendMacro(int slot, const QString &name);

private:
    void sendKeyMatrix();
    void sendAxis();
    void sendDpi();
    void sendLighting();
    void sendReportRate();
    void sendRateChange(int rateBefore);
    void sendPointer();
    void sendLedColour(int r, int g, int b);

    ProfileStores &m_stores;
    ProfileValues m_values;
};
