#pragma once
// Sizes, pauses and command bytes of the mouse's HID protocol. The byte
// layout of each command lives beside the code that builds it
// (HidCommands.cpp); this header only names the bytes and numbers.

#include <cstdint>

namespace hidproto {

// ---- reports ----
constexpr uint8_t kReportId = 0x00;
constexpr int kShortReportSize = 9;      // report ID, command, 6 parameters, checksum
constexpr int kShortParamCount = 6;      // bytes 2..7
constexpr int kShortBlockOffset = 1;     // scrambling covers bytes 1..8
constexpr int kShortBlockSize = 8;
constexpr int kChecksumSpan = 7;         // checksum of bytes 1..7
constexpr int kChecksumIndex = 8;
constexpr int kAnswerIndex = 2;          // first answer byte of a query
constexpr int kSecrecyCodeSize = 6;
constexpr int kDataBufferSize = 192;     // largest command payload (a macro slot)

// Report lengths above this are refused: no HID report is that large, and a
// corrupt catalogue must not make the transport allocate megabytes.
constexpr uint32_t kMaxReportLength = 4096;

// ---- pauses (milliseconds) ----
constexpr int kFreePollMs = 8;           // one wait step for the free flag
constexpr int kFreePollCount = 255;      // steps before a command gives up (2040 ms)
constexpr int kSettleStepMs = 64;        // settle = two steps of 64 ms
constexpr int kSettleSteps = 2;
constexpr int kDataReportPauseMs = 8;    // after each output report
constexpr int kOptionPauseMs = 8;        // after 02H and 03H (keyboard options)
constexpr int kLongDataPauseMs = 100;    // after the key matrix and a macro slot

// A device that never sends the input reports of a query-with-data must
// not block the GUI thread for ever; one report arrives within a few ms.
constexpr int kDataReadTimeoutMs = 1000;

// ---- event interface ----
constexpr int kEventReadTimeoutMs = 500;
constexpr int kEventReportSize = 4;      // 06 07 xx stage
constexpr uint8_t kEventKind0 = 0x06;
constexpr uint8_t kEventKind1 = 0x07;
constexpr int kEventStageIndex = 3;
constexpr int kFirstStage = 1;
constexpr int kLastStage = 8;

// ---- command bytes ----
constexpr uint8_t kCmdSecrecyCode = 0x00;
constexpr uint8_t kCmdReportRate = 0x01;
constexpr uint8_t kCmdCurrentProfile = 0x02;
constexpr uint8_t kCmdKeyboardOption = 0x03;
constexpr uint8_t kCmdKeyMatrix = 0x03;           // same byte, told apart by bytes 2..5 and the data
constexpr uint8_t kCmdGunData = 0x04;
constexpr uint8_t kCmdMacroKey = 0x05;
constexpr uint8_t kCmdLedEffect = 0x06;
constexpr uint8_t kCmdDpiLow = 0x07;              // current stage, stage mask, stages 0..3
constexpr uint8_t kCmdDpiHigh = 0x08;             // stages 4..7, double-step mask
constexpr uint8_t kCmdLedStageColour = 0x0A;      // hid_10H_SetLED8StageColor
constexpr uint8_t kCmdXYSensitive = 0x0B;         // hid_0EH_SetXYSensitive
constexpr uint8_t kCmdLedColour = 0x0C;
constexpr uint8_t kCmdRecovery = 0x13;
constexpr uint8_t kCmdGetKeyboardOption = 0x83;
constexpr uint8_t kCmdGetCurrentDpi = 0x87;
constexpr uint8_t kCmdGetDpiStage = 0x8B;
constexpr uint8_t kCmdGetLedEffect = 0x8D;
constexpr uint8_t kCmdGetLedStageColour = 0x90;

// ---- payload sizes ----
constexpr int kColourTableSize = 24;              // eight RGB triples
constexpr int kPackedStageColourSize = 4;         // hid_10H with type 2
constexpr uint8_t kPackedStageColourType = 2;
constexpr int kKeyMatrixSize = 64;
constexpr int kMacroSize = 192;
constexpr int kMacroSlotCount = 12;

// Keyboard-option bit the listener start sets so the mouse sends its events.
constexpr uint8_t kOptionStageEvents = 0x40;

} // namespace hidproto
