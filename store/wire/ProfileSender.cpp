#include "ProfileSender.h"

#include "MacroEncoding.h"
#include "SettingsFiles.h"

#include <QDir>

namespace {
const char kMacroDirName[] = "../macro";
} // namespace

ProfileStores::ProfileStores(SettingsFiles &settings, const QString &settingDir, Hid_Thread *hid)
    : files(settings)
    , device(settings, hid)
    , pointer([&settings] { return settings.currentProfile(); })
    , gunAxis(settings)
    , axisCommands(hid)
    , macros(QDir::cleanPath(QDir(settingDir).filePath(QLatin1String(kMacroDirName))))
    , assignments(settings)
    , macroSlots(hid)
    , names(settingDir)
    , profiles(settings, settingDir, macros)
{
}

void ProfileStores::setDevice(Hid_Thread *hid)
{
    device.setDevice(hid);
    axisCommands.setDevice(hid);
    macroSlots.setDevice(hid);
}

ProfileSender::ProfileSender(ProfileStores &stores)
    : m_stores(stores)
{
}

bool ProfileSender::select(int profile)
{
    if (profile == m_stores.files.currentProfileIndex())
        return false;
    const int rateBefore = panel::validReportRate(m_stores.device.reportRate());
    m_stores.profiles.selectProfile(profile);
    m_values = readProfileValues(m_stores.device, m_stores.gunAxis);
    sendRateChange(rateBefore);
    return true;
}

// The report-rate panel sends a rate that differs from the one it showed,
// with the lighting colour after it.
void ProfileSender::sendRateChange(int rateBefore)
{
    if (m_values.reportRate == rateBefore)
        return;
    sendReportRate();
    sendLedColour(m_values.lighting.r, m_values.lighting.g, m_values.lighting.b);
}

void ProfileSender::sendAll()
{
    m_values = readProfileValues(m_stores.device, m_stores.gunAxis);
    sendKeyMatrix();
    sendButtonMacros();
    sendAxis();
    sendDpi();
    sendLighting();
    sendReportRate();
    sendPointer();
    sendLedColour(m_values.lighting.r, m_values.lighting.g, m_values.lighting.b);
}

void ProfileSender::resetAndSend(int profile)
{
    const int rateBefore = panel::validReportRate(m_stores.device.reportRate());
    m_stores.profiles.resetProfile(profile);
    m_values = readProfileValues(m_stores.device, m_stores.gunAxis);
    sendKeyMatrix();
    sendButtonMacros();
    sendLighting();
    sendAxis();
    sendDpi();
    sendRateChange(rateBefore);
    sendReportRate();
    sendPointer();
    sendLedColour(m_values.lighting.r, m_values.lighting.g, m_values.lighting.b);
}

void ProfileSender::sendKeyMatrix()
{
    m_stores.device.sendKeyMatrix(QVariantList(m_values.matrix.begin(), m_values.matrix.end()));
}

void ProfileSender::sendButtonMacros()
{
    const ProfileValues values = readProfileValues(m_stores.device, m_stores.gunAxis);
    for (int k = 0; k < panel::kButtonCount; ++k) {
        const int base = k * panel::kButtonBytes;
        if (values.matrix[size_t(base)] == panel::kMacroKind)
            sendMacro(k, m_stores.assignments.macroKey(values.matrix[size_t(base + 3)]).toString());
    }
}

void ProfileSender::sendMacro(int slot, const QString &name)
{
    const QStringList stored = m_stores.macros.load(name);
    if (stored.isEmpty())
        return;
    m_stores.macroSlots.send(slotBytesReported(name, parseStoredMacro(stored)), slot);
}

void ProfileSender::sendAxis()
{
    m_stores.axisCommands.sendXYSensitive(panel::axisSendValue(m_values.axisX), panel::axisSendValue(m_values.axisY));
}

void ProfileSender::sendDpi()
{
    m_stores.device.sendDpiSet(panel::kStageOnSendAll, QVariantList(m_values.dpi.begin(), m_values.dpi.end()),
                               QVariantList(m_values.stageFlags.begin(), m_values.stageFlags.end()));
    sendLedColour(m_values.lighting.r, m_values.lighting.g, m_values.lighting.b);
    m_stores.device.sendStageColour(panel::kStageColourTable,
                                    QVariantList(m_values.stageColours.begin(), m_values.stageColours.end()));
}

void ProfileSender::sendLighting()
{
    const panel::Lighting &l = m_values.lighting;
    m_stores.device.sendLedEffect(uchar(l.effect), 0, uchar(l.level));
    sendLedColour(0xFF, 0x00, 0x00);
}

void ProfileSender::sendReportRate()
{
    m_stores.device.sendReportRate(uchar(m_values.reportRate));
}

void ProfileSender::sendPointer()
{
    PointerSettingsStore &pointer = m_stores.pointer;
    pointer.setCursorSpeed(pointer.getCursorSpeed());
    pointer.setDoubleClickSpeed(pointer.getDoubleClickSpeed());
    pointer.setVerticalScrollLines(panel::scrollLinesToSend(pointer.getVerticalScrollLines()));
}

// The lighting colour with the colour mode it needs.
void ProfileSender::sendLedColour(int r, int g, int b)
{
    m_stores.device.sendLedColour(panel::ledColourList(r, g, b));
    const panel::Lighting &l = m_values.lighting;
    m_stores.device.sendLedEffect(uchar(l.effect), uchar(panel::ledColourMode(r, g, b)), uchar(l.level));
}
