#include "ProfileSender.h"

#include "MacroEncoding.h"
#include "SettingsFiles.h"

#include <QDir>

#include <cmath>

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

ProfileSender::ProfileSender(ProfileStores &stores)
    : m_stores(stores)
    , m_lighting(panel::lightingFrom(stores.device.ledEffect(), {}))
{
}

bool ProfileSender::select(int profile)
{
    if (profile == m_stores.files.currentProfileIndex())
        return false;
    const int rateBefore = panel::validReportRate(m_stores.device.reportRate());
    m_stores.profiles.selectProfile(profile);
    m_lighting = panel::lightingFrom(m_stores.device.ledEffect(), m_lighting);
    const int rate = panel::validReportRate(m_stores.device.reportRate());
    if (rate != rateBefore) {
        m_stores.device.setReportRate(uchar(rate));
        sendLedColour(m_lighting.r, m_lighting.g, m_lighting.b);
    }
    return true;
}

void ProfileSender::sendAll()
{
    m_lighting = panel::lightingFrom(m_stores.device.ledEffect(), m_lighting);
    sendButtonMacros(sendKeyMatrix());
    sendAxis();
    sendDpi();
    sendLighting();
    sendReportRate();
    sendPointer();
    sendLedColour(m_lighting.r, m_lighting.g, m_lighting.b);
}

QVariantList ProfileSender::sendKeyMatrix()
{
    QVariantList matrix;
    for (int k = 0; k < panel::kButtonCount; ++k)
        for (int v : panel::buttonDefinition(k, m_stores.device.keyDefine(k)))
            matrix << v;
    m_stores.device.setKeyMatrix(matrix);
    return matrix;
}

void ProfileSender::sendButtonMacros(const QVariantList &matrix)
{
    for (int k = 0; k < panel::kButtonCount && (k + 1) * panel::kButtonBytes <= matrix.size(); ++k) {
        const int base = k * panel::kButtonBytes;
        if (matrix.at(base).toInt() == panel::kMacroKind)
            sendMacro(k, m_stores.assignments.macroKey(matrix.at(base + 3).toInt()).toString());
    }
}

void ProfileSender::sendMacro(int slot, const QString &name)
{
    const QStringList stored = m_stores.macros.load(name);
    if (stored.isEmpty())
        return;
    m_stores.macroSlots.send(encodeMacro(parseStoredMacro(stored)), slot);
}

void ProfileSender::sendAxis()
{
    const int x = panel::validAxisLevel(m_stores.gunAxis.xySensitive(0));
    const int y = panel::validAxisLevel(m_stores.gunAxis.xySensitive(1));
    m_stores.axisCommands.sendXYSensitive(panel::axisSendValue(x), panel::axisSendValue(y));
}

void ProfileSender::sendDpi()
{
    QVariantList values;
    const QVariantList storedDpi = m_stores.device.dpiSet();
    for (int i = 0; i < panel::kStageCount; ++i) {
        const auto v = i < storedDpi.size() ? panel::validDpi(storedDpi.at(i)) : std::nullopt;
        values << v.value_or(panel::kDefaultDpi.at(size_t(i)));
    }

    QVariantList flags;
    const QVariantList storedFlags = m_stores.device.dpiSelect();
    bool anyEnabled = false;
    for (int i = 0; i < panel::kStageCount; ++i) {
        int flag = panel::kDefaultStageFlags.at(size_t(i));
        if (i < storedFlags.size()) {
            const double n = panel::number(storedFlags.at(i));
            flag = (n != 0 && !std::isnan(n)) ? 1 : 0;
        }
        anyEnabled = anyEnabled || flag;
        flags << flag;
    }
    if (!anyEnabled)
        flags[0] = 1;

    QVariantList colours;
    const QVariantList storedColours = m_stores.device.stageColour(panel::kStageColourTable);
    for (int i = 0; i < int(panel::kDefaultStageColours.size()); ++i)
        colours << (storedColours.size() < int(panel::kDefaultStageColours.size())
                        ? panel::kDefaultStageColours.at(size_t(i))
                        : panel::lowByte(storedColours.at(i)));

    m_stores.device.setDpiSet(panel::kStageOnSendAll, values, flags);
    sendLedColour(m_lighting.r, m_lighting.g, m_lighting.b);
    m_stores.device.setStageColour(panel::kStageColourTable, colours);
}

void ProfileSender::sendLighting()
{
    const QVariantList stored = m_stores.device.ledEffect();
    m_lighting = panel::lightingFrom(stored, m_lighting);
    const double mode = stored.size() >= 6 ? panel::number(stored.at(1)) : 0;
    const int colourMode = std::isfinite(mode) ? int(mode) : 0;
    const panel::Lighting &l = m_lighting;
    m_stores.device.setLedEffect(uchar(l.effect), 0, uchar(l.level),
                                 {l.effect, colourMode, l.level, l.r, l.g, l.b});
    sendLedColour(0xFF, 0x00, 0x00);
}

void ProfileSender::sendReportRate()
{
    m_stores.device.setReportRate(uchar(panel::validReportRate(m_stores.device.reportRate())));
}

void ProfileSender::sendPointer()
{
    PointerSettingsStore &pointer = m_stores.pointer;
    pointer.setCursorSpeed(pointer.getCursorSpeed());
    pointer.setDoubleClickSpeed(pointer.getDoubleClickSpeed());
    pointer.setVerticalScrollLines(panel::scrollLinesToSend(pointer.getVerticalScrollLines()));
}

// The main page's answer to the lighting panel's colour signal.
void ProfileSender::sendLedColour(int r, int g, int b)
{
    m_stores.device.setLedColour(panel::ledColourList(r, g, b));
    const int mode = panel::ledColourMode(r, g, b);
    const panel::Lighting &l = m_lighting;
    m_stores.device.setLedEffect(uchar(l.effect), uchar(mode), uchar(l.level), {l.effect, mode, l.level, r, g, b});
}
