#pragma once
// The mouse's own notification on the event interface: 06 07 xx s, where s
// is the DPI stage (1..8) it switched to.

#include <cstdint>

// The stage carried by a read of `length` bytes, or 0 when the bytes are not
// a stage notification or name a stage outside 1..8.
int stageFromEventReport(const uint8_t *bytes, int length);
