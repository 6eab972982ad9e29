#pragma once
// The eight texts of the tray notice shown when the mouse changes its DPI
// stage, one per stage. Process-wide: the language strings replace them on
// the GUI thread while the event listener reads them on a pool thread, so
// every access takes a lock and readers get a copy.

#include <QString>

constexpr int kStageTextCount = 8;
extern const char kDefaultStageText[];  // "DPI Switch to"

// Text of stage `index` (0 .. 7); an empty string outside that range.
QString stageText(int index);
// Sets text `index`; ignored outside 0 .. 7.
void setStageText(int index, const QString &text);
// Puts every text back to "DPI Switch to".
void resetStageTexts();
