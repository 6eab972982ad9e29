#pragma once
// The sixteen button definitions and the 64-byte key matrix the mouse takes.
// The page gives each button as four values, kind first (button k at values
// 4k-4k+3). On the wire each 4-byte group is reversed, kind last, and four
// buttons always carry fixed functions whatever the page chose:
//
//   button   page order     on the wire
//   7        0C 03 00 00    00 00 03 0C
//   8        0B 01 00 00    00 00 01 0B
//   14       05 01 01 00    00 01 01 05
//   15       05 02 01 00    00 01 02 05

#include "HidProtocol.h"
#include "SettingsKeys.h"

#include <QVariantList>

#include <array>
#include <cstddef>

using hidproto::kKeyMatrixSize;

using KeyMatrix = std::array<quint8, kKeyMatrixSize>;

// Button k's four values as the page gave them, unconverted, for storing;
// values missing from a short list are 0. An empty list for k outside 0-15.
QVariantList buttonDefinition(const QVariantList &src, int button);

// The button page's matrix as sent: fixed buttons in place, groups reversed.
KeyMatrix buttonKeyMatrix(const QVariantList &src);

// The gun page's matrix as sent: bytes in the order given, nothing fixed.
KeyMatrix gunKeyMatrix(const QVariantList &src64);
