#pragma once
// Decides whether a copy-data message carries text to show.

#include "CopyData.h"

#include <QString>

constexpr std::uintptr_t kCopyDataTag = 9487;  // 0x250F

// The text of `message` when it is to be shown, or a null QString: the tag
// must be 9487, the data valid UTF-8, and the byte count equal to the text's
// UTF-8 length (so the count must not include a terminating zero); an empty
// message shows nothing. Reads at
// most byteCount bytes, whatever the sender put after them.
QString copyDataText(const platform::CopyDataMessage &message);
