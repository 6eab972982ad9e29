#include "PanelValues.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace panel {

const std::array<int, kStageCount> kDefaultDpi = {400, 800, 1600, 2400, 3200, 4800, 6400, 8000};
const std::array<int, kStageCount> kDefaultStageFlags = {1, 1, 1, 1, 1, 1, 0, 0};
const std::array<int, 3 * kStageCount> kDefaultStageColours = {
    0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0, 0xFF};

namespace {

constexpr int kDpiMin = 200;
constexpr int kDpiMax = 8000;
constexpr int kDpiStep = 100;
constexpr int kAxisLevels = 10;
constexpr int kAxisDefaultLevel = 4;
constexpr int kAxisSendStep = 20;
constexpr int kScrollMin = 1;
constexpr int kScrollMax = 100;
constexpr int kEffectCount = 14;
constexpr int kMaxLevel = 4;
constexpr int kBlackMode = 7;
constexpr int kReportRateSlowest = 8;
constexpr int kFactoryReportRate = 1;
// The fixed colours 2 .. 8 of the lighting table.
constexpr std::array<int, 21> kFixedLedColours = {0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255,
                                                  255, 255, 127, 0, 255, 0, 255, 255, 255, 255};
// Button defaults of the list, by position, in page byte order.
constexpr std::array<std::array<int, kButtonBytes>, kButtonCount> kDefaultButtons = {{
    {1, 0, 0xF0, 0}, {1, 0, 0xF1, 0}, {1, 0, 0xF2, 0}, {1, 0, 0xF4, 0}, {1, 0, 0xF3, 0}, {7, 0, 1, 0},
    {7, 0, 2, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
    {0, 0, 0, 0}, {0, 0, 0, 0}, {4, 0, 1, 0}, {4, 0, 2, 0},
}};

bool isInteger(double v)
{
    return std::isfinite(v) && std::floor(v) == v;
}

// The page's int conversion of a number: NaN and infinities give 0.
int toInt(double v)
{
    return std::isfinite(v) ? static_cast<int>(static_cast<long long>(v)) : 0;
}

} // namespace

double number(const QVariant &value)
{
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const qlonglong hex = text.mid(2).toLongLong(&ok, 16);
        return ok ? double(hex) : std::numeric_limits<double>::quiet_NaN();
    }
    const double v = text.toDouble(&ok);
    return ok ? v : std::numeric_limits<double>::quiet_NaN();
}

std::array<int, kButtonBytes> buttonDefinition(int position, const QVariantList &stored)
{
    std::array<int, kButtonBytes> out{};
    bool complete = stored.size() >= kButtonBytes;
    for (int i = 0; complete && i < kButtonBytes; ++i) {
        const double v = number(stored.at(i));
        complete = !std::isnan(v);
        out[size_t(i)] = toInt(v);
    }
    return complete ? out : kDefaultButtons.at(size_t(position));
}

std::optional<int> validDpi(const QVariant &stored)
{
    const double n = number(stored);
    if (stored.toString().isEmpty() || !std::isfinite(n) || n < kDpiMin || n >= kDpiMax + kDpiStep)
        return std::nullopt;
    return std::min(static_cast<int>(std::floor(n / kDpiStep)) * kDpiStep, kDpiMax);
}

int validReportRate(const QVariant &stored)
{
    const double n = number(stored);
    return (n == 1 || n == 2 || n == 4 || n == kReportRateSlowest) ? int(n) : kFactoryReportRate;
}

int validAxisLevel(const QVariant &stored)
{
    const double n = number(stored);
    return isInteger(n) && n >= 0 && n < kAxisLevels ? int(n) : kAxisDefaultLevel;
}

int axisSendValue(int level)
{
    return (level + 1) * kAxisSendStep;
}

uint scrollLinesToSend(uint stored)
{
    if (stored == kScrollOneScreen)
        return stored;
    return uint(std::clamp(int(std::min<uint>(stored, kScrollMax)), kScrollMin, kScrollMax));
}

QVariantList ledColourList(int r, int g, int b)
{
    const bool black = r + g + b == 0;
    QVariantList out{black ? 0xFF : r, black ? 0 : g, black ? 0 : b};
    for (int v : kFixedLedColours)
        out << v;
    return out;
}

int ledColourMode(int r, int g, int b)
{
    return r + g + b == 0 ? kBlackMode : 0;
}

Lighting lightingFrom(const QVariantList &stored)
{
    Lighting out;
    if (stored.size() < 6)
        return out;
    const double e = number(stored.at(0));
    const double l = number(stored.at(2));
    if (isInteger(e) && e >= 0 && e < kEffectCount) {
        out.effect = int(e);
        if (isInteger(l) && l >= 0 && l <= kMaxLevel)
            out.level = int(l);
    }
    out.r = byteOr(stored.at(3), out.r);
    out.g = byteOr(stored.at(4), out.g);
    out.b = byteOr(stored.at(5), out.b);
    return out;
}

int byteOr(const QVariant &stored, int factory)
{
    const double n = number(stored);
    return isInteger(n) && n >= 0 && n <= 0xFF ? int(n) : factory;
}

} // namespace panel
