#include "StoredValues.h"

QVariant storedNumber(const QVariant &value)
{
    if (value.userType() != QMetaType::QString)
        return value;
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    return ok ? QVariant(number) : value;
}
