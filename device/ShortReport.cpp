#include "ShortReport.h"

#include <utility>

namespace {

// Added (nibble-swapped) to every byte of a scrambled block.
constexpr uint8_t kScrambleTable[hidproto::kShortBlockSize] = {'V', 'e', 'S', 'k', 'o', 'l', 'A', 'm'};
constexpr int kRotateBits = 3;
constexpr int kByteBits = 8;

uint8_t swapNibbles(uint8_t t)
{
    return static_cast<uint8_t>((t << 4) | (t >> 4));
}

// The same four exchanges undo themselves.
void swapPairs(uint8_t *b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

void xorCode(uint8_t *b, const uint8_t *code6)
{
    for (int i = 1; i <= hidproto::kSecrecyCodeSize; ++i)
        b[i] ^= code6[i - 1];
}

} // namespace

uint8_t shortReportChecksum(const uint8_t *bytes7)
{
    unsigned sum = 0;
    for (int i = 0; i < hidproto::kChecksumSpan; ++i)
        sum += bytes7[i];
    return static_cast<uint8_t>(~sum);
}

ShortReport buildShortReport(uint8_t command, const std::array<uint8_t, hidproto::kShortParamCount> &params,
                             bool withChecksum)
{
    ShortReport r{};
    r[0] = hidproto::kReportId;
    r[1] = command;
    for (int i = 0; i < hidproto::kShortParamCount; ++i)
        r[2 + i] = params[i];
    r[hidproto::kChecksumIndex] = withChecksum ? shortReportChecksum(&r[1]) : 0x00;
    return r;
}

void scrambleBlock(uint8_t *b, const uint8_t *code6)
{
    constexpr int n = hidproto::kShortBlockSize;
    swapPairs(b);
    xorCode(b, code6);
    // Rotate the 64-bit value b0..b7 (b0 most significant) left by 3 bits.
    const uint8_t first = b[0];
    for (int i = 0; i < n - 1; ++i)
        b[i] = static_cast<uint8_t>((b[i] << kRotateBits) | (b[i + 1] >> (kByteBits - kRotateBits)));
    b[n - 1] = static_cast<uint8_t>((b[n - 1] << kRotateBits) | (first >> (kByteBits - kRotateBits)));
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>(b[i] + swapNibbles(kScrambleTable[i]));
}

void descrambleBlock(uint8_t *b, const uint8_t *code6)
{
    constexpr int n = hidproto::kShortBlockSize;
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>(b[i] - swapNibbles(kScrambleTable[i]));
    const uint8_t last = b[n - 1];
    for (int i = n - 1; i > 0; --i)
        b[i] = static_cast<uint8_t>((b[i] >> kRotateBits) | (b[i - 1] << (kByteBits - kRotateBits)));
    b[0] = static_cast<uint8_t>((b[0] >> kRotateBits) | (last << (kByteBits - kRotateBits)));
    xorCode(b, code6);
    swapPairs(b);
}
