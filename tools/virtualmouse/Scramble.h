#pragma once
// The mouse's scrambling of short reports (bytes 1..8), written from the
// firmware's side: a 64-bit rotation instead of byte shuffling, so it checks
// the program's own implementation rather than repeating it.

#include <cstdint>

namespace vmouse {

void scramble8(uint8_t *block, const uint8_t *code6);
void descramble8(uint8_t *block, const uint8_t *code6);

} // namespace vmouse
