#pragma once
// What the performance, lighting and button panels make of a profile's
// stored values before they send them: the same fallbacks for damaged or
// missing entries, so that a whole profile sent from C++ carries the bytes
// the pages would send.

#include <QVariant>
#include <QVariantList>

#include <array>
#include <optional>

namespace panel {

constexpr int kStageCount = 8;
constexpr int kButtonCount = 16;
constexpr int kButtonBytes = 4;
constexpr int kMacroKind = 0x0A;           // button definition: plays macro/<fourth byte>
constexpr int kStageColourTable = 1;
constexpr int kStageOnSendAll = 2;         // the stage made current when every stage is sent
constexpr uint kScrollOneScreen = 1000;

extern const std::array<int, kStageCount> kDefaultDpi;
extern const std::array<int, kStageCount> kDefaultStageFlags;
extern const std::array<int, 3 * kStageCount> kDefaultStageColours;

// A stored value read as the page's Number(): trimmed text, empty is 0,
// "0x" hexadecimal, anything else not a number (NaN).
double number(const QVariant &value);
// A stored byte 0 .. 255, `factory` for anything else.
int byteOr(const QVariant &stored, int factory);

// The definition of button `position` as the button list sends it: the
// stored four numbers, or the position's default when they are incomplete.
std::array<int, kButtonBytes> buttonDefinition(int position, const QVariantList &stored);

// A stored DPI within 200 .. 8000, down to the 100 grid; nothing for text
// that is not a number or a value outside that range.
std::optional<int> validDpi(const QVariant &stored);
// 1, 2, 4 or 8 as stored; anything else is the factory 1 (1000 Hz).
int validReportRate(const QVariant &stored);
// An axis level 0 .. 9, 4 for anything else, and the value the mouse takes for it.
int validAxisLevel(const QVariant &stored);
int axisSendValue(int level);
// Wheel lines 1 .. 100, or the one-screen value 1000 as it is.
uint scrollLinesToSend(uint stored);

// The 24-value lighting table with the chosen colour first (red for black,
// which the mouse cannot show), and the colour mode (7 for black).
QVariantList ledColourList(int r, int g, int b);
int ledColourMode(int r, int g, int b);

// The lighting panel's state: effect, level and colour.
struct Lighting {
    int effect = 0;
    int level = 4;
    int r = 0xFF, g = 0, b = 0;
};
// The lighting of a profile's stored list (effect, colour mode, level, r, g,
// b); what is missing or cannot be read keeps the factory value.
Lighting lightingFrom(const QVariantList &stored);

} // namespace panel
