#pragma once
// The process-wide secrecy code that scrambled short reports are XORed with:
// six bytes, all zero until the connect step sets them.

#include "ShortReport.h"

#include <QString>

SecrecyCode currentSecrecyCode();
void setCurrentSecrecyCode(const SecrecyCode &code);

// Takes the 8-bit codes of a text of exactly six characters; any other text
// leaves the code as it was and returns false.
bool setCurrentSecrecyCodeFromText(const QString &text);
