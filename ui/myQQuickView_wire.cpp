// Sending slots: the pages hand over what the user chose and show what the
// store reads; the bytes are decided in store/wire/, the same code the
// command line and the running program's requests use.
#include "myQQuickView.h"

#include "ButtonFunctions.h"
#include "MacroEncoding.h"
#include "ProfileSender.h"

#include <QColor>

namespace {

const char kColourTextFormat[] = "#%1%2%3";

QString colourText(int r, int g, int b)
{
    auto hex = [](int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')); };
    return QString::fromLatin1(kColourTextFormat).arg(hex(r), hex(g), hex(b));
}

template <typename Container>
QVariantList toList(const Container &values)
{
    return QVariantList(values.begin(), values.end());
}

buttons::Definition definitionOf(const QVariant &value)
{
    const QVariantList list = value.toList();
    buttons::Definition d{};
    for (int i = 0; i < int(d.size()) && i < list.size(); ++i)
        d[size_t(i)] = list.at(i).toInt();
    return d;
}

} // namespace

bool myQQuickView::chooseProfile(int profile) { return ProfileSender(*m_stores).select(profile); }
void myQQuickView::sendProfile() { ProfileSender(*m_stores).sendAll(); }
void myQQuickView::resetProfileAndSend(int profile) { ProfileSender(*m_stores).resetAndSend(profile); }
void myQQuickView::sendButtonMacros() { ProfileSender(*m_stores).sendButtonMacros(); }
void myQQuickView::sendMacro(int slot, QVariant name) { ProfileSender(*m_stores).sendMacro(slot, name.toString()); }

QVariantMap myQQuickView::profileValues()
{
    const ProfileValues v = readProfileValues(m_stores->device, m_stores->gunAxis);
    QVariantList shownButtons;
    for (int k = 0; k < panel::kButtonCount; ++k) {
        buttons::Definition stored{};
        std::copy_n(v.matrix.begin() + k * panel::kButtonBytes, panel::kButtonBytes, stored.begin());
        shownButtons.append(QVariant(toList(buttons::shownDefinition(stored))));
    }
    QStringList stageColours;
    for (int i = 0; i + 2 < int(v.stageColours.size()); i += 3)
        stageColours << colourText(v.stageColours[size_t(i)], v.stageColours[size_t(i + 1)], v.stageColours[size_t(i + 2)]);
    return {
        {QStringLiteral("buttons"), shownButtons},
        {QStringLiteral("dpi"), toList(v.dpi)},
        {QStringLiteral("stageFlags"), toList(v.stageFlags)},
        {QStringLiteral("stageColours"), stageColours},
        {QStringLiteral("effect"), v.lighting.effect},
        {QStringLiteral("level"), v.lighting.level},
        {QStringLiteral("colour"), QVariantList{v.lighting.r, v.lighting.g, v.lighting.b}},
        {QStringLiteral("reportRate"), v.reportRate},
        {QStringLiteral("axisX"), v.axisX},
        {QStringLiteral("axisY"), v.axisY},
    };
}

int myQQuickView::macroSize(QStringList events, QVariant loops)
{
    return encodeMacro(macroFromEvents(events, loops.toInt())).size();
}

int myQQuickView::macroSizeEstimate(QStringList events)
{
    return ::macroSizeEstimate(macroFromEvents(events, 1));
}

void myQQuickView::setButtons(QVariantList shown)
{
    QVariantList matrix;
    for (const QVariant &entry : shown)
        matrix << toList(buttons::storedDefinition(definitionOf(entry)));
    m_stores->device.setKeyMatrix(matrix);
}

QVariantList myQQuickView::factoryButton(int position)
{
    return toList(buttons::shownDefinition(buttons::factoryDefinition(position)));
}

QVariantList myQQuickView::buttonFunction(QVariantList definition)
{
    return toList(buttons::menuFunction(definitionOf(definition)));
}

bool myQQuickView::canReassignButton(QVariantList shown, int index)
{
    QVector<buttons::Definition> matrix;
    for (const QVariant &entry : shown)
        matrix << definitionOf(entry);
    return buttons::canReassign(matrix, index);
}

void myQQuickView::sendLightingColour(int effect, int level, int r, int g, int b)
{
    m_stores->device.setLedColour(panel::ledColourList(r, g, b));
    const int mode = panel::ledColourMode(r, g, b);
    m_stores->device.setLedEffect(uchar(effect), uchar(mode), uchar(level), {effect, mode, level, r, g, b});
}

void myQQuickView::setStageColours(QStringList colours)
{
    QVariantList list;
    for (const QString &text : colours) {
        const QColor c(text);
        list << (c.isValid() ? c.red() : 0) << (c.isValid() ? c.green() : 0) << (c.isValid() ? c.blue() : 0);
    }
    m_stores->device.setStageColour(panel::kStageColourTable, list);
}

void myQQuickView::sendAxisLevels(int x, int y)
{
    m_stores->axisCommands.sendXYSensitive(panel::axisSendValue(x), panel::axisSendValue(y));
}
