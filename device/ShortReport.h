#pragma once
// The 9-byte short report and the two pure transforms applied to it: the
// checksum and the optional scrambling. Plain C++, no Qt.

#include "HidProtocol.h"

#include <array>
#include <cstdint>

using ShortReport = std::array<uint8_t, hidproto::kShortReportSize>;
using SecrecyCode = std::array<uint8_t, hidproto::kSecrecyCodeSize>;

// Bitwise NOT of the 8-bit sum of 7 bytes (bytes 1..7 of a short report);
// a correct report has bytes 1..8 summing to 0xFF.
uint8_t shortReportChecksum(const uint8_t *bytes7);

// Report ID 0, `command`, `params` in bytes 2..7 and, when `withChecksum`,
// the checksum in byte 8 (0x00 otherwise).
ShortReport buildShortReport(uint8_t command, const std::array<uint8_t, hidproto::kShortParamCount> &params,
                             bool withChecksum);

// Scrambles the 8 bytes (bytes 1..8 of a short report) in place with the
// six code bytes; descrambleBlock is its exact inverse.
void scrambleBlock(uint8_t *block8, const uint8_t *code6);
void descrambleBlock(uint8_t *block8, const uint8_t *code6);
