// The mouse's command set: one short report per command, laid out here,
// sent through the transport. Failure texts are written only when the
// transport stays taken; later failures show as unchanged answers.

#include "Hid_Thread.h"

#include <QDebug>

#include <cstring>
#include <vector>

using namespace hidproto;

namespace {

constexpr bool kChecksum = true;
constexpr bool kNoChecksum = false;  // 06H, 07H and 08H carry 0x00 in byte 8
constexpr bool kSettle = true;
constexpr bool kNoSettle = false;
constexpr int kNoPause = 0;

// Report rate: bytes 3..5 are fixed.
constexpr uint8_t kRateFixed3 = 0x03;
constexpr uint8_t kRateFixed4 = 0x03;
constexpr uint8_t kRateFixed5 = 0x0F;
// Recovery asks for everything: byte 2.
constexpr uint8_t kRecoverAll = 0xFF;
// Lighting effect: byte 6 is always 1.
constexpr uint8_t kLedEffectFixed6 = 0x01;
// Byte 4 of a data command: the number of data reports that follow.
constexpr uint8_t kOneDataReport = 0x01;
constexpr uint8_t kMacroDataReports = 0x03;

void failText(const char *text)
{
    qDebug("%s", text);
}

} // namespace

void Hid_Thread::runSet(const char *text, const ShortReport &report, const uint8_t *data, int length, bool settle,
                        int pauseAfterMs)
{
    // The caller's buffer may be gone by the time the command runs.
    std::vector<uint8_t> payload;
    if (length > 0)
        payload.assign(data, data + length);
    m_commands.post([this, text, report, payload, length, settle, pauseAfterMs] {
        if (!waitHidFree()) {
            failText(text);
            return;
        }
        m_out = report;
        if (length > 0)
            std::memcpy(m_data, payload.data(), static_cast<size_t>(length));
        hidSendReport(length, settle);
        if (pauseAfterMs > 0)
            QThread::msleep(static_cast<unsigned long>(pauseAfterMs));
    });
}

Hid_Thread::Answer Hid_Thread::runQuery(const char *text, const ShortReport &report, const ShortReport &prefill,
                                        uint8_t *data, int length)
{
    Answer answer{Outcome::Busy, prefill};
    callCommandThread([&] {
        if (!waitHidFree()) {
            failText(text);
            return;
        }
        m_out = report;
        m_in = prefill;
        if (length > 0)
            std::memcpy(m_data, data, static_cast<size_t>(length));
        answer.outcome = hidQueryReport(length) ? Outcome::Done : Outcome::Failed;
        answer.in = m_in;
        if (length > 0)
            std::memcpy(data, m_data, static_cast<size_t>(length));
    });
    return answer;
}

uchar Hid_Thread::hidCS(uchar *cmd)
{
    return cmd ? shortReportChecksum(cmd) : 0;
}

void Hid_Thread::USBDataEncryption(uchar *FIFOBuf, uchar *SecrecyCode)
{
    if (FIFOBuf && SecrecyCode)
        scrambleBlock(FIFOBuf, SecrecyCode + 1);
}

void Hid_Thread::USBDataDecipher(uchar *FIFOBuf, uchar *SecrecyCode)
{
    if (FIFOBuf && SecrecyCode)
        descrambleBlock(FIFOBuf, SecrecyCode + 1);
}

// 00 00 b1 b2 b3 b4 00 00 cs; answer bytes 2..5 replace the four values.
void Hid_Thread::hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    const ShortReport report = buildShortReport(kCmdSecrecyCode, {byte1, byte2, byte3, byte4, 0, 0}, kChecksum);
    const Answer a = runQuery("cmd Failed 00", report, ShortReport{}, nullptr, 0);
    if (a.outcome == Outcome::Busy)
        return;
    byte1 = a.in[kAnswerIndex];
    byte2 = a.in[kAnswerIndex + 1];
    byte3 = a.in[kAnswerIndex + 2];
    byte4 = a.in[kAnswerIndex + 3];
}

// 00 01 rate 03 03 0F 00 00 cs
void Hid_Thread::hid_01H_SetReportRate(uchar rate)
{
    runSet("cmd Failed 01", buildShortReport(kCmdReportRate, {rate, kRateFixed3, kRateFixed4, kRateFixed5, 0, 0}, kChecksum),
           nullptr, 0, kSettle, kNoPause);
}

// 00 13 FF 00 00 00 00 00 cs
void Hid_Thread::hid_13H_Recovery()
{
    runSet("cmd Failed 13H", buildShortReport(kCmdRecovery, {kRecoverAll, 0, 0, 0, 0, 0}, kChecksum), nullptr, 0,
           kSettle, kNoPause);
}

// 00 02 profile 00 00 00 00 00 cs
void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    runSet("cmd Failed 02", buildShortReport(kCmdCurrentProfile, {profile, 0, 0, 0, 0, 0}, kChecksum), nullptr, 0,
           kNoSettle, kOptionPauseMs);
}

// 00 03 b1 b2 b3 b4 00 00 cs
void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    runSet("cmd Failed 03", buildShortReport(kCmdKeyboardOption, {byte1, byte2, byte3, byte4, 0, 0}, kChecksum),
           nullptr, 0, kNoSettle, kOptionPauseMs);
}

// 00 04 p0 p1 p2 p3 p4 00 cs
void Hid_Thread::hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    runSet("cmd Failed 04", buildShortReport(kCmdGunData, {par0, par1, par2, par3, par4, 0}, kChecksum), nullptr, 0,
           kSettle, kNoPause);
}

// 00 0B x y 00 00 00 00 cs: the mouse takes the axis values under 0x0B.
void Hid_Thread::hid_0EH_SetXYSensitive(uchar par0, uchar par1)
{
    runSet("cmd Failed 0b", buildShortReport(kCmdXYSensitive, {par0, par1, 0, 0, 0, 0}, kChecksum), nullptr, 0,
           kSettle, kNoPause);
}

// 00 87 00 00 00 00 00 00 cs; answer byte 2 is the current stage.
QVariant Hid_Thread::hid_87H_GetCurrentDPI()
{
    // The page uses 2 as its fallback stage when the transport is busy.
    constexpr int kBusyStage = 2;
    ShortReport prefill{};
    prefill[1] = kCmdGetCurrentDpi;
    const Answer a = runQuery("cmd Failed", buildShortReport(kCmdGetCurrentDpi, {}, kChecksum), prefill, nullptr, 0);
    if (a.outcome == Outcome::Busy)
        return QVariant(kBusyStage);
    return QVariant(static_cast<int>(a.in[kAnswerIndex]));
}

bool Hid_Thread::queryKeyboardOptions(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    // A failed exchange hands the caller's own values back.
    const ShortReport prefill = {kReportId, kCmdGetKeyboardOption, byte1, byte2, byte3, byte4, 0, 0, 0};
    const Answer a = runQuery("cmd Failed", buildShortReport(kCmdGetKeyboardOption, {}, kChecksum), prefill, nullptr, 0);
    if (a.outcome == Outcome::Busy)
        return false;
    byte1 = a.in[kAnswerIndex];
    byte2 = a.in[kAnswerIndex + 1];
    byte3 = a.in[kAnswerIndex + 2];
    byte4 = a.in[kAnswerIndex + 3];
    return a.outcome == Outcome::Done;
}

// 00 83 00 00 00 00 00 00 cs; answer bytes 2..5 are the four options.
void Hid_Thread::hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    queryKeyboardOptions(byte1, byte2, byte3, byte4);
}

// 00 06 effect colorV option1 option2 01 00 00
void Hid_Thread::hid_06H_SetRGBLedEffect(uchar effect, uchar colorV, uchar option1, uchar option2)
{
    runSet("hid_06H_SetRGBLedEffect",
           buildShortReport(kCmdLedEffect, {effect, colorV, option1, option2, kLedEffectFixed6, 0}, kNoChecksum),
           nullptr, 0, kSettle, kNoPause);
}

// 00 0A 00 00 01 00 00 00 cs, then one data report of 4 (type 2) or 24 bytes.
// `type` only picks the length; it is not sent.
void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    if (!src24) {
        failText("cmd Failed 10");
        return;
    }
    const int length = type == kPackedStageColourType ? kPackedStageColourSize : kColourTableSize;
    runSet("cmd Failed 10", buildShortReport(kCmdLedStageColour, {0, 0, kOneDataReport, 0, 0, 0}, kChecksum), src24,
           length, kSettle, kNoPause);
}

// 00 0C 00 00 01 00 00 00 cs, then one data report of 24 bytes (8 x RGB).
void Hid_Thread::hid_LEDColor(uchar *src24)
{
    if (!src24) {
        failText("hid_LEDColor");
        return;
    }
    runSet("hid_LEDColor", buildShortReport(kCmdLedColour, {0, 0, kOneDataReport, 0, 0, 0}, kChecksum), src24,
           kColourTableSize, kSettle, kNoPause);
}

// 00 07 stage mask d0 d1 d2 d3 00
void Hid_Thread::hid_07H_SetDPISet(uchar dpiStage, uchar dpiSegment, uchar dpi0, uchar dpi1, uchar dpi2, uchar dpi3)
{
    runSet("cmd Failed 07H", buildShortReport(kCmdDpiLow, {dpiStage, dpiSegment, dpi0, dpi1, dpi2, dpi3}, kNoChecksum),
           nullptr, 0, kSettle, kNoPause);
}

// 00 08 d4 d5 d6 d7 mul2 00 00
void Hid_Thread::hid_08H_SetDPISet(uchar dpi4, uchar dpi5, uchar dpi6, uchar dpi7, uchar mul2)
{
    runSet("cmd Failed 08H", buildShortReport(kCmdDpiHigh, {dpi4, dpi5, dpi6, dpi7, mul2, 0}, kNoChecksum), nullptr,
           0, kSettle, kNoPause);
}

// 00 03 00 00 01 00 00 00 cs, then one data report of 64 bytes.
void Hid_Thread::hidARM_03H_SetKeyMatrix(uchar *src64)
{
    if (!src64) {
        failText("cmd Failed 03");
        return;
    }
    runSet("cmd Failed 03", buildShortReport(kCmdKeyMatrix, {0, 0, kOneDataReport, 0, 0, 0}, kChecksum), src64,
           kKeyMatrixSize, kSettle, kLongDataPauseMs);
}

// 00 05 00 slot 03 00 00 00 cs, then three data reports: 192 bytes, whatever
// the parameter's name says.
void Hid_Thread::hid_05H_SetMacroKey(uchar macroId, uchar *src128)
{
    if (!src128) {
        failText("cmd Failed 05");
        return;
    }
    runSet("cmd Failed 05", buildShortReport(kCmdMacroKey, {0, macroId, kMacroDataReports, 0, 0, 0}, kChecksum),
           src128, kMacroSize, kSettle, kLongDataPauseMs);
}

// 00 8B 00 00 00 00 00 00 cs; answer byte 2 is the stage.
void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage)
{
    const Answer a = runQuery("cmd Failed", buildShortReport(kCmdGetDpiStage, {}, kChecksum), ShortReport{}, nullptr, 0);
    if (a.outcome == Outcome::Busy)
        return;
    dpiStage = a.in[kAnswerIndex];
}

// 00 8D 00 00 00 00 00 00 cs; answer bytes 2, 3, 4 (no colour in the answer).
void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2)
{
    const Answer a = runQuery("cmd Failed", buildShortReport(kCmdGetLedEffect, {}, kChecksum), ShortReport{}, nullptr, 0);
    if (a.outcome == Outcome::Busy)
        return;
    effect = a.in[kAnswerIndex];
    option1 = a.in[kAnswerIndex + 1];
    option2 = a.in[kAnswerIndex + 2];
}

// 00 90 type 00 00 00 00 00 cs, answer, then one input report of 4 (type 2)
// or 24 bytes into src24.
void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24)
{
    if (!src24) {
        failText("cmd Failed");
        return;
    }
    const int length = type == kPackedStageColourType ? kPackedStageColourSize : kColourTableSize;
    runQuery("cmd Failed", buildShortReport(kCmdGetLedStageColour, {type, 0, 0, 0, 0, 0}, kChecksum), ShortReport{},
             src24, length);
}
