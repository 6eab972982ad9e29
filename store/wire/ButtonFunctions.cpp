#include "ButtonFunctions.h"

#include <algorithm>

namespace buttons {

namespace {

constexpr int kKindFactoryMouse = 0x01;  // also the keyboard kind; the mouse codes start at F0
constexpr int kKindMenuMouse = 0x02;
constexpr int kKindFactoryDpi = 0x07;
constexpr int kKindMenuDpi = 0x08;
constexpr int kFirstMouseCode = 0xF0;
constexpr int kLastMouseCode = 0xF4;
constexpr int kMouseLeft = 0xF0;
constexpr int kFirstDpiStep = 1;  // up, down, loop
constexpr int kLastDpiStep = 3;

} // namespace

Definition factoryDefinition(int position)
{
    if (position < 0 || position >= panel::kButtonCount)
        return {};
    return panel::buttonDefinition(position, {});
}

Definition shownDefinition(const Definition &stored)
{
    Definition shown = stored;
    if (shown[0] == kMacroPositionKind)
        --shown[2];
    return shown;
}

Definition storedDefinition(const Definition &shown)
{
    Definition stored = shown;
    if (stored[0] == kMacroPositionKind)
        ++stored[2];
    return stored;
}

Definition menuFunction(const Definition &d)
{
    if (d[0] == kKindFactoryMouse && d[1] == 0 && d[2] >= kFirstMouseCode && d[2] <= kLastMouseCode && d[3] == 0)
        return {kKindMenuMouse, 0, d[2], 0};
    if (d[0] == kKindFactoryDpi && d[1] == 0 && d[2] >= kFirstDpiStep && d[2] <= kLastDpiStep && d[3] == 0)
        return {kKindMenuDpi, d[2], 0, 0};
    return d;
}

bool isLeftClick(const Definition &definition)
{
    const Definition f = menuFunction(definition);
    return f[0] == kKindMenuMouse && f[2] == kMouseLeft;
}

bool canReassign(const QVector<Definition> &matrix, int index)
{
    if (index < 0 || index >= matrix.size())
        return false;
    return !isLeftClick(matrix.at(index)) || std::count_if(matrix.begin(), matrix.end(), isLeftClick) >= 2;
}

} // namespace buttons
