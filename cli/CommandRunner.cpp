#include "CommandRunner.h"

#include "AppConfig.h"
#include "AppRules.h"
#include "Catalogue.h"
#include "DeviceScan.h"
#include "Hid_Thread.h"
#include "NameLists.h"
#include "PanelValues.h"
#include "ProfileList.h"
#include "ProfileSender.h"
#include "SettingsFiles.h"
#include "SettingsGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace cli {

namespace {

const char kSensor3336[] = "3336";
const char kSensor4090[] = "4090";
constexpr int kReportRateBaseHz = 1000;
constexpr int kShownNameLength = 64;
constexpr unsigned long kPendingPollMs = 4;
// Names of the lighting effects 0 .. 13, as the lighting panel shows them.
const char *const kEffectNames[] = {"Static", "Breath", "Neon", "Finger", "RGB", "RainBow", "Horse",
                                    "Color Run", "Trailing", "Trailing1", "Streamer1", "Flash", "Police light",
                                    "Color Static"};
constexpr int kEffectNameCount = int(sizeof kEffectNames / sizeof kEffectNames[0]);

Reply failed(int status, const QString &message)
{
    return {status, {}, message + QLatin1Char('\n')};
}

Reply noMouse()
{
    return failed(kDeviceFailed, QStringLiteral("no mouse connected"));
}

// Why `file` cannot be imported; empty when it can be read.
QString importFileError(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("%1: no such file").arg(printable(file));
    if (info.isDir())
        return QStringLiteral("%1: is a folder, not a profile file").arg(printable(file));
    if (!info.isFile())
        return QStringLiteral("%1: is not a regular file").arg(printable(file));
    if (!info.isReadable())
        return QStringLiteral("%1: cannot be read").arg(printable(file));
    if (info.size() > kMaxSettingsFileSize)
        return QStringLiteral("%1: too large for a profile file").arg(printable(file));
    return {};
}

QString exportFileError(const QString &file)
{
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("%1: is a folder").arg(printable(file));
    if (info.exists() && !info.isFile())
        return QStringLiteral("%1: is not a regular file").arg(printable(file));
    if (!info.dir().exists())
        return QStringLiteral("%1: the folder does not exist").arg(printable(file));
    return {};
}

} // namespace

CommandRunner::CommandRunner(SettingsFiles &files, const QString &settingDir, Hid_Thread &hid, PageHooks hooks)
    : m_files(files)
    , m_settingDir(settingDir)
    , m_hid(hid)
    , m_hooks(std::move(hooks))
{
}

Reply CommandRunner::run(const Options &options)
{
    int index = -1;
    if (options.command == Command::Profile || options.command == Command::Export
        || options.command == Command::Import) {
        index = resolveProfile(options.profile);
        if (index < 0)
            return failed(kBadInput, QStringLiteral("no profile named '%1'").arg(printable(options.profile)));
        // The profile manager cannot show an unlisted profile, and its New
        // would take the file over; an import lists it.
        if (options.command != Command::Import && listedProfile(NameLists(m_settingDir), index).name.isEmpty())
            return failed(kBadInput, QStringLiteral("profile %1 is not in the profile list; the profiles are: %2")
                                         .arg(index + 1)
                                         .arg(listedProfileLabels()));
    }
    switch (options.command) {
    case Command::List: return list();
    case Command::Status: return status();
    case Command::Profile: return profile(index);
    case Command::Export: return exportProfile(index, options.file);
    case Command::Import: return importProfile(index, options.file);
    default: return failed(kBadInput, QStringLiteral("not a command the program carries out"));
    }
}

int CommandRunner::resolveProfile(const QString &profile) const
{
    const int number = profileNumberIndex(profile);
    if (number >= 0)
        return number;
    for (const ListedProfile &entry : listedProfiles(NameLists(m_settingDir)))
        if (entry.name == profile)
            return entry.index;
    return -1;
}

QString CommandRunner::profileLabel(int index) const
{
    const QString label = QString::number(index + 1);
    const ListedProfile entry = listedProfile(NameLists(m_settingDir), index);
    return entry.name.isEmpty() ? label : label + QLatin1Char(' ') + entry.name;
}

bool CommandRunner::mousePresent() const
{
    const QVector<DeviceEntry> devices = m_hid.devices();
    const uint32_t current = m_hid.currentDevice();
    return current < uint32_t(devices.size()) && !devices.at(int(current)).cmdPath.isEmpty();
}

// Every attached mouse, not only the one the device link works with.
Reply CommandRunner::list() const
{
    const Catalogue catalogue = readCatalogue(QString::fromLatin1(kCatalogueResource),
                                              appProductNames(*m_files.appConfig()));
    Reply reply;
    for (const DeviceEntry &d : attachedMice(catalogue.records)) {
        reply.out += QStringLiteral("%1\tsensor %2\tcommand %3\tevent %4\n")
                         .arg(d.productName.isEmpty() ? QStringLiteral("(unnamed)") : d.productName,
                              QLatin1String(d.index == 0 ? kSensor3336 : kSensor4090), d.cmdPath, d.eventPath);
    }
    return reply.out.isEmpty() ? noMouse() : reply;
}

Reply CommandRunner::status()
{
    if (!mousePresent())
        return noMouse();
    const int failuresBefore = m_hid.transportFailures();
    uchar stage = 0;
    m_hid.hid_8BH_GetCurrentDPIStage(stage);
    uchar effect = 0, option1 = 0, option2 = 0;
    m_hid.hid_8DH_GetRGBLedEffect(effect, option1, option2);
    if (m_hid.transportFailures() != failuresBefore || !mousePresent())
        return failed(kDeviceFailed, QStringLiteral("the mouse did not answer"));

    ProfileStores stores(m_files, m_settingDir, &m_hid);
    const QVariantList dpi = stores.device.dpiSet();
    const int current = m_files.currentProfileIndex();
    const int rate = panel::validReportRate(stores.device.reportRate());
    Reply reply;
    reply.out = QStringLiteral("profile: %1\n").arg(profileLabel(current));
    reply.out += QStringLiteral("dpi stage: %1\n").arg(int(stage) + 1);
    reply.out += QStringLiteral("dpi: %1\n").arg(stage < dpi.size() ? dpi.at(stage).toString() : QStringLiteral("unknown"));
    reply.out += QStringLiteral("report rate: %1 Hz\n").arg(kReportRateBaseHz / rate);
    reply.out += QStringLiteral("lighting: %1 (effect %2)\n")
                     .arg(QLatin1String(effect < kEffectNameCount ? kEffectNames[effect] : "unknown"))
                     .arg(effect);
    if (m_hooks.rulesStatus) {
        reply.out += m_hooks.rulesStatus();
    } else {
        const AppRules rules = readAppRules(m_settingDir, listedProfiles(NameLists(m_settingDir)));
        reply.out += rules.enabled ? QStringLiteral("per-application rules: on (followed while the window runs)\n")
                                   : QStringLiteral("per-application rules: off\n");
        reply.out += rules.message;
    }
    return reply;
}

bool CommandRunner::sendCurrentProfile(int selectIndex)
{
    const int failuresBefore = m_hid.transportFailures();
    ProfileStores stores(m_files, m_settingDir, &m_hid);
    if (selectIndex >= 0 && selectIndex != m_files.currentProfileIndex()) {
        if (!m_hooks.selectProfile || !m_hooks.selectProfile(selectIndex))
            ProfileSender(stores).select(selectIndex);
    } else if (m_hooks.reloadProfile) {
        m_hooks.reloadProfile();
    }
    ProfileSender(stores).sendAll();
    // In the running program the commands go to the device link's thread:
    // the window keeps painting, and a request arriving meanwhile is refused
    // as busy instead of waiting behind this one.
    while (m_hid.commandsPending()) {
        QCoreApplication::processEvents();
        QThread::msleep(kPendingPollMs);
    }
    return m_hid.transportFailures() == failuresBefore && mousePresent();
}

Reply CommandRunner::profile(int index)
{
    if (!mousePresent())
        return noMouse();
    ProfileStores stores(m_files, m_settingDir, &m_hid);
    const int currentBefore = m_files.currentProfileIndex();
    const QVariant startBefore = stores.profiles.startProfile();
    if (!sendCurrentProfile(index)) {
        // Without a window nothing shows the choice: the profile the mouse
        // may hold in part does not become the current or start profile.
        if (!m_hooks.selectProfile) {
            m_files.setCurrentProfileIndex(currentBefore);
            stores.profiles.setStartProfile(startBefore);
        }
        return failed(kDeviceFailed, QStringLiteral("the mouse did not take profile %1").arg(index + 1));
    }
    // The mouse and, with a window, the pages hold the profile already; only
    // the next start would not know of it.
    if (!stores.profiles.keepStartProfile(index))
        return failed(kDeviceFailed, QStringLiteral("profile %1 was sent to the mouse, but %2 cannot be written: "
                                                    "the program will not start on it next time")
                                         .arg(profileLabel(index), printable(QFileInfo(m_files.appConfig()->fileName()).absoluteFilePath())));
    return {kDone, QStringLiteral("profile %1 sent\n").arg(profileLabel(index)), {}};
}

Reply CommandRunner::exportProfile(int index, const QString &file)
{
    if (QString error = exportFileError(file); !error.isEmpty())
        return failed(kBadInput, error);
    ProfileStores stores(m_files, m_settingDir, &m_hid);
    const QStringList macroNames =
        withoutNameListSentinel(QVariant(stores.names.nameList(kMacroNameList)).toStringList());
    if (!stores.profiles.exportProfile(index, file, macroNames))
        return failed(kBadInput, QStringLiteral("%1: cannot be written").arg(printable(file)));
    return {kDone, QStringLiteral("profile %1 written to %2\n").arg(index + 1).arg(file), {}};
}

Reply CommandRunner::importProfile(int index, const QString &file)
{
    if (QString error = importFileError(file); !error.isEmpty())
        return failed(kBadInput, error);
    const bool current = index == m_files.currentProfileIndex();
    if (current && !mousePresent())
        return noMouse();
    ImportResult imported;
    QString listedAs;
    {
        ProfileStores stores(m_files, m_settingDir, &m_hid);
        imported = stores.profiles.importFile(index, file);
        if (!imported.ok)
            return failed(kBadInput, QStringLiteral("%1: %2").arg(printable(file), imported.error));
        // Listed, so that the profile manager shows it and its New cannot
        // take the file.
        if (listedProfile(stores.names, index).name.isEmpty())
            listedAs = listProfile(stores.names, index).name;
    }
    if (!listedAs.isEmpty() && m_hooks.profileListChanged)
        m_hooks.profileListChanged();
    Reply reply{kDone, QStringLiteral("profile %1 replaced from %2\n").arg(profileLabel(index)).arg(file), {}};
    if (!listedAs.isEmpty())
        reply.out += QStringLiteral("profile %1 added to the profile list as %2\n").arg(index + 1).arg(listedAs);
    for (const auto &r : imported.renamed)
        reply.out += QStringLiteral("macro '%1' stored as '%2': a macro of that name exists\n")
                         .arg(printable(r.first.left(kShownNameLength)), printable(r.second));
    if (current && !sendCurrentProfile(-1))
        return failed(kDeviceFailed, QStringLiteral("profile %1 was replaced, but the mouse did not take it").arg(index + 1));
    return reply;
}

QString CommandRunner::listedProfileLabels() const
{
    QStringList labels;
    for (const ListedProfile &entry : listedProfiles(NameLists(m_settingDir)))
        labels.append(QStringLiteral("%1 %2").arg(entry.index + 1).arg(entry.name));
    return labels.join(QStringLiteral(", "));
}

} // namespace cli
