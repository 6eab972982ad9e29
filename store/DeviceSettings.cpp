#include "DeviceSettings.h"

#include "ColourPacking.h"
#include "DpiCode.h"
#include "Hid_Thread.h"
#include "KeyMatrix.h"
#include "LightingOptions.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "SettingsLists.h"
#include "StageDpiTable.h"
#include "UpdateLauncher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

#ifdef Q_OS_WIN
const char kUpdateProgram3336[] = "./update/3336.exe";
const char kUpdateProgram4090[] = "./update/4090.exe";
#else
const char kUpdateProgram3336[] = "./update/3336";
const char kUpdateProgram4090[] = "./update/4090";
#endif

namespace {
constexpr uint32_t kDevice3336 = 0;
constexpr uint32_t kDevice4090 = 1;
} // namespace

DeviceSettings::DeviceSettings(SettingsFiles &files, Hid_Thread *device)
    : m_files(files)
    , m_hid(device)
{
}

bool DeviceSettings::catalogued() const
{
    const uint32_t index = m_hid ? m_hid->currentDevice() : kDevice4090;
    return index == kDevice3336 || index == kDevice4090;
}

void DeviceSettings::setReportRate(uchar rate)
{
    // A device that is not one of the catalogued mice has no key of its own.
    if (catalogued())
        m_files.currentProfile()->setValue(m_files.reportRateKey(), int(rate));
    sendReportRate(rate);
}

void DeviceSettings::sendReportRate(uchar rate)
{
    if (m_hid)
        m_hid->hid_01H_SetReportRate(rate);
}

QVariant DeviceSettings::reportRate() const
{
    if (!catalogued())
        return 0;
    return int(m_files.currentProfile()->value(m_files.reportRateKey(), 0).toUInt() & 0xFF);
}

void DeviceSettings::setKeyboardOption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (m_hid)
        m_hid->hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

QVariantList DeviceSettings::keyboardOption()
{
    // A failed exchange leaves these zeros.
    uchar b[4] = {0, 0, 0, 0};
    if (m_hid)
        m_hid->hid_83H_GetKeyboardoption(b[0], b[1], b[2], b[3]);
    return {int(b[0]), int(b[1]), int(b[2]), int(b[3])};
}

void DeviceSettings::setDpiSet(uchar dpiStage, const QVariantList &dpiValues, const QVariantList &stageFlags)
{
    QSettings *profile = m_files.currentProfile();
    profile->setValue(m_files.dpiListKey(), dpiValues);
    profile->setValue(QString::fromLatin1(kDpiSelectKey), stageFlags);
    sendDpiSet(dpiStage, dpiValues, stageFlags);
}

void DeviceSettings::sendDpiSet(uchar dpiStage, const QVariantList &dpiValues, const QVariantList &stageFlags)
{
    const DpiSetPayload p = dpiSetPayload(m_files.is4090(), dpiValues, stageFlags);
    if (!m_hid)
        return;
    // Stages 4-7 first; the second report makes the new table current.
    m_hid->hid_08H_SetDPISet(p.codes[4], p.codes[5], p.codes[6], p.codes[7], p.highRangeMask);
    m_hid->hid_07H_SetDPISet(dpiStage, p.stageMask, p.codes[0], p.codes[1], p.codes[2], p.codes[3]);
}

void DeviceSettings::setDpiSelect(const QVariantList &stageFlags)
{
    m_files.currentProfile()->setValue(QString::fromLatin1(kDpiSelectKey), stageFlags);
}

QVariantList DeviceSettings::dpiSet()
{
    const QVariantList values = readSettingsList(*m_files.currentProfile(), m_files.dpiListKey());
    const auto table = stageDpiTable(values);
    for (int stage = 1; stage <= kDpiStageCount; ++stage)
        setStageDpi(stage, table[stage - 1]);
    return values;
}

QVariantList DeviceSettings::dpiSelect() const
{
    return readSettingsList(*m_files.currentProfile(), QString::fromLatin1(kDpiSelectKey));
}

QVariant DeviceSettings::currentDpiStage(bool windowVisible)
{
    uchar stage = 0;
    if (windowVisible && m_hid)
        m_hid->hid_8BH_GetCurrentDPIStage(stage);
    return int(stage);
}

void DeviceSettings::setLedEffect(uchar effect, uchar colour, uchar level, const QVariantList &configs)
{
    m_files.currentProfile()->setValue(m_files.ledEffectKey(), configs);
    sendLedEffect(effect, colour, level);
}

void DeviceSettings::sendLedEffect(uchar effect, uchar colour, uchar level)
{
    const LightingOptions o = lightingOptions(effect, level);
    if (m_hid)
        m_hid->hid_06H_SetRGBLedEffect(effect, colour, o.option1, o.option2);
}

QVariantList DeviceSettings::ledEffect() const
{
    return toUIntVariantList(storedLedEffect());
}

QVariantList DeviceSettings::storedLedEffect() const
{
    return readSettingsList(*m_files.currentProfile(), m_files.ledEffectKey());
}

void DeviceSettings::setLedColour(const QVariantList &src24)
{
    m_files.currentProfile()->setValue(colorTypeKey(kLightingColorTable), src24);
    sendLedColour(src24);
}

void DeviceSettings::sendLedColour(const QVariantList &src24)
{
    ColourTable buffer = colourTable(src24);
    if (m_hid)
        m_hid->hid_LEDColor(buffer.data());
}

void DeviceSettings::setStageColour(uchar type, const QVariantList &src24)
{
    m_files.currentProfile()->setValue(colorTypeKey(type), src24);
    sendStageColour(type, src24);
}

void DeviceSettings::sendStageColour(uchar type, const QVariantList &src24)
{
    ColourTable buffer = stageColourBuffer(type, src24);
    if (m_hid)
        m_hid->hid_10H_SetLED8StageColor(type, buffer.data());
}

QVariantList DeviceSettings::stageColour(uchar type) const
{
    return toUIntVariantList(storedStageColour(type));
}

QVariantList DeviceSettings::storedStageColour(uchar type) const
{
    return readSettingsList(*m_files.currentProfile(), colorTypeKey(type));
}

void DeviceSettings::setKeyMatrix(const QVariantList &src)
{
    QSettings *profile = m_files.currentProfile();
    for (int k = 0; k < kButtonCount; ++k)
        profile->setValue(keyDefineKey(k), buttonDefinition(src, k));
    sendKeyMatrix(src);
}

void DeviceSettings::sendKeyMatrix(const QVariantList &src)
{
    KeyMatrix matrix = buttonKeyMatrix(src);
    if (m_hid)
        m_hid->hidARM_03H_SetKeyMatrix(matrix.data());
}

void DeviceSettings::setGunKeyMatrix(const QVariantList &src64)
{
    KeyMatrix matrix = gunKeyMatrix(src64);
    if (m_hid)
        m_hid->hidARM_03H_SetKeyMatrix(matrix.data());
}

QVariantList DeviceSettings::keyDefine(const QVariant &matrixId) const
{
    if (!catalogued())
        return {};
    return readSettingsList(*m_files.currentProfile(), QString::fromLatin1(kKeyDefinePrefix) + matrixId.toString());
}

void DeviceSettings::clearHidBusy()
{
    if (m_hid)
        m_hid->releaseHid();
}

void DeviceSettings::openUpdateProgram(QObject *owner, const std::function<void(const QString &)> &notice)
{
    // Update programs stay beside the executable; the settings tree may be a per-user copy elsewhere.
    const bool is3336 = m_hid && m_hid->currentDevice() == kDevice3336;
    launchUpdateProgram(updateProgramPath(QCoreApplication::applicationDirPath(), is3336), m_hid, owner, notice);
}
