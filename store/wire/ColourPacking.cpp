#include "ColourPacking.h"

#include "VariantBytes.h"

namespace {

constexpr quint8 kLowNibble = 0x0F;
constexpr int kNibbleShift = 4;

} // namespace

ColourTable colourTable(const QVariantList &src24)
{
    return bytesFromList<kColourTableSize>(src24);
}

ColourTable stageColourBuffer(quint8 type, const QVariantList &src24)
{
    ColourTable buffer = colourTable(src24);
    if (type == kPackedColourType) {
        for (std::size_t n = 0; n < kPackedColourSize; ++n)
            buffer[n] = static_cast<quint8>((buffer[2 * n] & kLowNibble) | (buffer[2 * n + 1] << kNibbleShift));
    }
    return buffer;
}
