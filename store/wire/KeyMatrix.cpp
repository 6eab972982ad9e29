#include "KeyMatrix.h"

#include "VariantBytes.h"

#include <algorithm>

namespace {

struct FixedButton {
    int button;
    std::array<quint8, kButtonDefinitionSize> definition;  // page order
};

// Buttons the firmware needs for its own functions; the page cannot reassign them.
constexpr std::array<FixedButton, 4> kFixedButtons = {{
    {7, {0x0C, 0x03, 0x00, 0x00}},
    {8, {0x0B, 0x01, 0x00, 0x00}},
    {14, {0x05, 0x01, 0x01, 0x00}},
    {15, {0x05, 0x02, 0x01, 0x00}},
}};

std::size_t groupStart(int button)
{
    return static_cast<std::size_t>(button * kButtonDefinitionSize);
}

} // namespace

QVariantList buttonDefinition(const QVariantList &src, int button)
{
    QVariantList definition;
    if (button < 0 || button >= kButtonCount)
        return definition;
    for (int i = 0; i < kButtonDefinitionSize; ++i) {
        const int index = button * kButtonDefinitionSize + i;
        definition.append(index < src.size() ? src.at(index) : QVariant(0));
    }
    return definition;
}

KeyMatrix buttonKeyMatrix(const QVariantList &src)
{
    KeyMatrix matrix = bytesFromList<kKeyMatrixSize>(src);
    for (const FixedButton &fixed : kFixedButtons)
        std::copy(fixed.definition.begin(), fixed.definition.end(), matrix.begin() + groupStart(fixed.button));
    for (int button = 0; button < kButtonCount; ++button) {
        auto group = matrix.begin() + groupStart(button);
        std::reverse(group, group + kButtonDefinitionSize);
    }
    return matrix;
}

KeyMatrix gunKeyMatrix(const QVariantList &src64)
{
    return bytesFromList<kKeyMatrixSize>(src64);
}
