#pragma once
// Carries out one command of the command line against the settings files
// and the device link it is given: in a process of its own without a window,
// or inside the running program.

#include "CliRequest.h"

#include <QString>

#include <functional>

class Hid_Thread;
class SettingsFiles;

namespace cli {

// What the running program's pages do around a command, so they show what
// the command changed; unset in a process without pages.
struct PageHooks {
    // The profile manager's choice of `profile` (current and start profile,
    // pages re-read, report rate sent when it changed); false when the
    // pages cannot, and the runner makes the choice itself.
    std::function<bool(int profile)> selectProfile;
    // The pages re-read the current profile without sending.
    std::function<void()> reloadProfile;
    // The profile manager re-reads its list.
    std::function<void()> profileListChanged;
    // What the running program's per-application rules are doing, for --status.
    std::function<QString()> rulesStatus;
};

class CommandRunner
{
public:
    CommandRunner(SettingsFiles &files, const QString &settingDir, Hid_Thread &hid, PageHooks hooks = {});

    Reply run(const Options &options);

private:
    Reply list() const;
    Reply status();
    Reply profile(int index);
    Reply exportProfile(int index, const QString &file);
    Reply importProfile(int index, const QString &file);
    // Index 0 .. 5 of a profile name or number; -1 when none matches.
    int resolveProfile(const QString &profile) const;
    // The profile's number, and its name when it is listed.
    QString profileLabel(int index) const;
    // "1 Standard, 3 profile_0": every listed profile.
    QString listedProfileLabels() const;
    bool mousePresent() const;
    // Sends the current profile; false when the mouse did not take it all.
    bool sendCurrentProfile(int selectIndex);

    SettingsFiles &m_files;
    QString m_settingDir;
    Hid_Thread &m_hid;
    PageHooks m_hooks;
};

} // namespace cli
