#pragma once
// Resolution codes of the two sensor variants. The mouse takes one byte per
// stage; a stage whose high-range bit (mul2) is set counts that byte in
// double-size steps, which is how values beyond the plain range fit.
//
//   sensor  plain range           high range (mul2 bit set)
//   4090    dpi / 100 - 1  <= 5000  dpi / 200 - 1
//   3336    dpi / 50       <= 8000  dpi / 100

#include "SettingsKeys.h"

#include <QVariantList>

#include <array>

constexpr unsigned kHighRangeFrom4090 = 5000;  // values above this use the high range
constexpr unsigned kHighRangeFrom3336 = 8000;

constexpr unsigned kDpiStep4090 = 100;
constexpr unsigned kDpiStepHigh4090 = 200;
constexpr unsigned kDpiStep3336 = 50;
constexpr unsigned kDpiStepHigh3336 = 100;

bool dpiIsHighRange(bool is4090, unsigned dpi);

// The one-byte code of a resolution. Results beyond one byte saturate at
// 0 or 255 instead of wrapping, so a value out of the sensor's reach becomes
// its nearest end rather than an unrelated resolution.
quint8 dpiCode(bool is4090, unsigned dpi);

// Bit i set when flag i converts to a non-zero unsigned (stage enabled).
quint8 dpiStageMask(const QVariantList &stageFlags);

// Bit i set when resolution i needs the high range.
quint8 dpiHighRangeMask(bool is4090, const QVariantList &dpiValues);

// Everything the pair of resolution commands carries, except the current
// stage: codes of stages 0-3 go with the stage mask, codes of 4-7 with mul2.
struct DpiSetPayload {
    std::array<quint8, kDpiStageCount> codes{};
    quint8 stageMask = 0;
    quint8 highRangeMask = 0;
};

DpiSetPayload dpiSetPayload(bool is4090, const QVariantList &dpiValues, const QVariantList &stageFlags);

// The stage DPI table filled from a stored resolution list; stages the list
// lacks read 0.
std::array<quint32, kDpiStageCount> stageDpiTable(const QVariantList &dpiValues);
