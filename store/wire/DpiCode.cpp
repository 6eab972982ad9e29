#include "DpiCode.h"

#include "VariantBytes.h"

#include <algorithm>

namespace {

constexpr long long kCodeMin = 0;
constexpr long long kCodeMax = 0xFF;

// 4090 codes count from one step, so code 0 is the first step, not zero.
constexpr long long kOffset4090 = 1;

quint8 saturatedCode(long long value)
{
    return static_cast<quint8>(std::clamp(value, kCodeMin, kCodeMax));
}

} // namespace

bool dpiIsHighRange(bool is4090, unsigned dpi)
{
    return dpi > (is4090 ? kHighRangeFrom4090 : kHighRangeFrom3336);
}

quint8 dpiCode(bool is4090, unsigned dpi)
{
    const bool high = dpiIsHighRange(is4090, dpi);
    if (is4090)
        return saturatedCode(static_cast<long long>(dpi / (high ? kDpiStepHigh4090 : kDpiStep4090)) - kOffset4090);
    return saturatedCode(dpi / (high ? kDpiStepHigh3336 : kDpiStep3336));
}

quint8 dpiStageMask(const QVariantList &stageFlags)
{
    quint8 mask = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (listElement(stageFlags, i).toUInt() != 0)
            mask |= static_cast<quint8>(1u << i);
    }
    return mask;
}

quint8 dpiHighRangeMask(bool is4090, const QVariantList &dpiValues)
{
    quint8 mask = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (dpiIsHighRange(is4090, listElement(dpiValues, i).toUInt()))
            mask |= static_cast<quint8>(1u << i);
    }
    return mask;
}

DpiSetPayload dpiSetPayload(bool is4090, const QVariantList &dpiValues, const QVariantList &stageFlags)
{
    DpiSetPayload payload;
    for (int i = 0; i < kDpiStageCount; ++i)
        payload.codes[static_cast<std::size_t>(i)] = dpiCode(is4090, listElement(dpiValues, i).toUInt());
    payload.stageMask = dpiStageMask(stageFlags);
    payload.highRangeMask = dpiHighRangeMask(is4090, dpiValues);
    return payload;
}

std::array<quint32, kDpiStageCount> stageDpiTable(const QVariantList &dpiValues)
{
    std::array<quint32, kDpiStageCount> table{};
    for (int i = 0; i < kDpiStageCount; ++i)
        table[static_cast<std::size_t>(i)] = listElement(dpiValues, i).toUInt();
    return table;
}
