#pragma once
// Small fixed maps kept as lists of pairs and looked up through a flat array
// built from the list at compile time, so that a lookup is one index.

#include <array>
#include <cstddef>
#include <cstdint>

namespace input {

struct ByteMapEntry {
    std::uint16_t key;
    std::uint8_t value;
};

template <std::size_t N>
constexpr bool keysAreUnique(const std::array<ByteMapEntry, N> &entries)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (entries[i].key == entries[j].key)
                return false;
    return true;
}

template <std::size_t N>
constexpr bool valuesAreNonZero(const std::array<ByteMapEntry, N> &entries)
{
    for (const ByteMapEntry &e : entries)
        if (e.value == 0)
            return false;
    return true;
}

// Flat array indexed by key; absent keys hold 0. Every key must be below Size.
template <std::size_t Size, std::size_t N>
constexpr std::array<std::uint8_t, Size> flatten(const std::array<ByteMapEntry, N> &entries)
{
    std::array<std::uint8_t, Size> table{};
    for (const ByteMapEntry &e : entries)
        table[e.key] = e.value;
    return table;
}

template <std::size_t Size, std::size_t N>
constexpr bool keysFit(const std::array<ByteMapEntry, N> &entries)
{
    for (const ByteMapEntry &e : entries)
        if (e.key >= Size)
            return false;
    return true;
}

} // namespace input
