#pragma once
// What a button definition does, whichever of its encodings a profile holds.
// The factory profile writes mouse buttons and DPI steps with other kind
// bytes than the assignment menu does (01 00 F0 00 and 02 00 F0 00 are both
// the left click); the left-click guard and the labels compare functions,
// never raw bytes. Definitions are four values, kind first, as stored.

#include "PanelValues.h"

#include <QVector>

#include <array>

namespace buttons {

using Definition = std::array<int, panel::kButtonBytes>;

constexpr int kMacroPositionKind = 0x09;  // byte 2 is stored one higher than the list shows

// The factory definition of button `position`; all zeros outside 0 .. 15.
Definition factoryDefinition(int position);

// A definition as the button list shows it and as it is stored again.
Definition shownDefinition(const Definition &stored);
Definition storedDefinition(const Definition &shown);

// The assignment menu's encoding of the same function: the factory forms of
// mouse buttons and DPI steps map to the menu's, anything else is itself.
Definition menuFunction(const Definition &definition);

bool isLeftClick(const Definition &definition);

// Whether button `index` of `matrix` may take another function: the last
// left click stays, or the mouse would lose its primary click.
bool canReassign(const QVector<Definition> &matrix, int index);

} // namespace buttons
