#pragma once
// Settings files keep every value as text. Values the pages compute with
// (levels, list positions) go back to them as numbers, so that "4" + 1 is 5
// in the page and list positions 9 and 10 sort as numbers.

#include <QVariant>

// The value as an int when its text is an integer; otherwise unchanged.
QVariant storedNumber(const QVariant &value);
