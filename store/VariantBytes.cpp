#include "VariantBytes.h"

quint8 variantLowByte(const QVariant &value)
{
    return static_cast<quint8>(value.toInt() & 0xFF);
}

QVariant listElement(const QVariantList &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QVariant();
}
