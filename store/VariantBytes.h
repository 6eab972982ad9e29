#pragma once
// Turning the numbers and arrays that the pages hand over (JavaScript numbers,
// arrays, sometimes text) into the fixed byte buffers the device commands take.
// Elements convert as the toolkit converts them; a list shorter than the
// buffer leaves the rest zero, a longer one contributes only what fits.

#include <QVariant>
#include <QVariantList>

#include <array>
#include <cstddef>

// The low 8 bits of the value converted to int ("300" gives 44).
quint8 variantLowByte(const QVariant &value);

// Element i of the list, or an invalid variant (which converts to 0) past its end.
QVariant listElement(const QVariantList &list, int index);

// A zeroed buffer of N bytes, byte i the low 8 bits of element i.
template <std::size_t N>
std::array<quint8, N> bytesFromList(const QVariantList &list)
{
    std::array<quint8, N> bytes{};
    for (std::size_t i = 0; i < N && i < static_cast<std::size_t>(list.size()); ++i)
        bytes[i] = variantLowByte(list.at(static_cast<int>(i)));
    return bytes;
}
