#include "Scramble.h"

#include <utility>

namespace vmouse {
namespace {

constexpr char kTable[] = "VeSkolAm";
constexpr int kBlock = 8;
constexpr int kCode = 6;
constexpr int kRotate = 3;

uint8_t tableByte(int i)
{
    const auto t = static_cast<uint8_t>(kTable[i]);
    return static_cast<uint8_t>((t << 4) | (t >> 4));
}

void exchange(uint8_t *b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

uint64_t load(const uint8_t *b)
{
    uint64_t v = 0;
    for (int i = 0; i < kBlock; ++i)
        v = (v << 8) | b[i];
    return v;
}

void store(uint64_t v, uint8_t *b)
{
    for (int i = kBlock - 1; i >= 0; --i, v >>= 8)
        b[i] = static_cast<uint8_t>(v);
}

} // namespace

void scramble8(uint8_t *b, const uint8_t *code6)
{
    exchange(b);
    for (int i = 0; i < kCode; ++i)
        b[i + 1] ^= code6[i];
    const uint64_t v = load(b);
    store((v << kRotate) | (v >> (64 - kRotate)), b);
    for (int i = 0; i < kBlock; ++i)
        b[i] = static_cast<uint8_t>(b[i] + tableByte(i));
}

void descramble8(uint8_t *b, const uint8_t *code6)
{
    for (int i = 0; i < kBlock; ++i)
        b[i] = static_cast<uint8_t>(b[i] - tableByte(i));
    const uint64_t v = load(b);
    store((v >> kRotate) | (v << (64 - kRotate)), b);
    for (int i = 0; i < kCode; ++i)
        b[i + 1] ^= code6[i];
    exchange(b);
}

} // namespace vmouse
