#pragma once
// Colour tables for the mouse: eight colours of red, green, blue bytes.
// Table type 2 travels as four bytes of two 4-bit values each:
//
//   byte n (n = 0-3) = (table[2n] & 0x0F) | (table[2n+1] << 4)
//
// so 1, 2, 3, 4, 5, 6, 7, 8 packs to 0x21, 0x43, 0x65, 0x87.

#include "HidProtocol.h"

#include <QVariantList>

#include <array>
#include <cstddef>

using hidproto::kColourTableSize;  // 8 colours x 3 bytes
constexpr std::size_t kPackedColourSize = 4;
constexpr quint8 kPackedColourType = 2;

using ColourTable = std::array<quint8, kColourTableSize>;

// The page's 24 values as bytes (low 8 bits each; missing values 0).
ColourTable colourTable(const QVariantList &src24);

// The buffer for a stage colour table of this type: for type 2 the first
// kPackedColourSize bytes hold the packed nibbles and the rest stays as given;
// every other type is the plain table.
ColourTable stageColourBuffer(quint8 type, const QVariantList &src24);
