#include "Firmware.h"

#include "Scramble.h"

#include <algorithm>
#include <cstring>

namespace vmouse {
namespace {

constexpr size_t kShortSize = 9;
constexpr size_t kDataReportSize = kReportLength + 1;
constexpr uint8_t kReportIdByte = 0x00;
constexpr int kChecksumIndex = 8;

// Command bytes as the firmware knows them.
constexpr uint8_t kSecrecy = 0x00;
constexpr uint8_t kRate = 0x01;
constexpr uint8_t kProfile = 0x02;
constexpr uint8_t kOptionsOrMatrix = 0x03;
constexpr uint8_t kGun = 0x04;
constexpr uint8_t kMacro = 0x05;
constexpr uint8_t kEffect = 0x06;
constexpr uint8_t kDpiLow = 0x07;
constexpr uint8_t kDpiHigh = 0x08;
constexpr uint8_t kStageColours = 0x0A;
constexpr uint8_t kAxis = 0x0B;
constexpr uint8_t kColours = 0x0C;
constexpr uint8_t kRecovery = 0x13;
constexpr uint8_t kGetOptions = 0x83;
constexpr uint8_t kGetDpi = 0x87;
constexpr uint8_t kGetStage = 0x8B;
constexpr uint8_t kGetEffect = 0x8D;
constexpr uint8_t kGetStageColours = 0x90;

constexpr int kReportCountByte = 4;     // data commands: reports that follow
constexpr int kMacroSlotByte = 3;
constexpr int kMacroSlots = 12;
constexpr int kPackedStageColourType = 2;
constexpr int kPackedStageColourSize = 4;
constexpr int kStageCount = 8;

uint8_t checksum(const uint8_t *r)
{
    unsigned sum = 0;
    for (int i = 1; i < kChecksumIndex; ++i)
        sum += r[i];
    return static_cast<uint8_t>(~sum);
}

bool carriesChecksum(uint8_t command)
{
    return command != kEffect && command != kDpiLow && command != kDpiHigh;
}

// 03H is the key matrix when it announces one data report and carries no
// option bytes; option writes always have bit 0x40 in byte 5 once the
// listener has started.
bool isKeyMatrixHeader(const Firmware::Short &r)
{
    return r[1] == kOptionsOrMatrix && r[2] == 0 && r[3] == 0 && r[kReportCountByte] == 1 && r[5] == 0 &&
           r[6] == 0 && r[7] == 0;
}

} // namespace

void Firmware::featureReport(const uint8_t *bytes, size_t length, const uint8_t *code)
{
    m_hasAnswer = false;
    m_queryData.clear();
    if (m_dataReportsLeft > 0) {
        ++rejects.incompleteData;
        m_dataReportsLeft = 0;
    }
    if (length != kShortSize) {
        ++rejects.length;
        return;
    }
    Short r;
    std::copy_n(bytes, kShortSize, r.begin());
    if (r[0] != kReportIdByte) {
        ++rejects.reportId;
        return;
    }
    if (code)
        descramble8(&r[1], code);
    if (carriesChecksum(r[1]) && r[kChecksumIndex] != checksum(r.data())) {
        ++rejects.checksum;
        return;
    }
    apply(r);
}

void Firmware::apply(const Short &r)
{
    FirmwareState &s = state;
    Short a{};
    a[1] = r[1];
    bool query = false;
    switch (r[1]) {
    case kSecrecy:
        std::copy_n(&r[2], 4, s.secrecyAnswer.begin());
        std::copy_n(&r[2], 4, &a[2]);
        query = true;
        break;
    case kRate:
        s.reportRate = r[2];
        break;
    case kProfile:
        s.currentProfile = r[2];
        break;
    case kOptionsOrMatrix:
        if (isKeyMatrixHeader(r))
            expectData(r[1], r[kReportCountByte], 0);
        else
            std::copy_n(&r[2], 4, s.keyboardOptions.begin());
        break;
    case kGun:
        std::copy_n(&r[2], 5, s.gunData.begin());
        break;
    case kMacro:
        if (r[kMacroSlotByte] >= kMacroSlots) {
            ++rejects.badSlot;
            return;
        }
        expectData(r[1], r[kReportCountByte], r[kMacroSlotByte]);
        break;
    case kEffect:
        s.ledEffect = r[2];
        s.ledColourValue = r[3];
        s.ledOption1 = r[4];
        s.ledOption2 = r[5];
        break;
    case kDpiLow:
        s.currentStage = static_cast<uint8_t>(r[2] % kStageCount);
        s.stageMask = r[3];
        std::copy_n(&r[4], 4, s.stageCodes.begin());
        break;
    case kDpiHigh:
        std::copy_n(&r[2], 4, s.stageCodes.begin() + 4);
        s.highRangeMask = r[6];
        break;
    case kStageColours:
    case kColours:
        expectData(r[1], r[kReportCountByte], 0);
        break;
    case kAxis:
        s.axisX = r[2];
        s.axisY = r[3];
        break;
    case kRecovery:
        ++s.recoveries;
        break;
    case kGetOptions:
        std::copy(s.keyboardOptions.begin(), s.keyboardOptions.end(), &a[2]);
        query = true;
        break;
    case kGetDpi:
    case kGetStage:
        a[2] = s.currentStage;
        query = true;
        break;
    case kGetEffect:
        a[2] = s.ledEffect;
        a[3] = s.ledOption1;
        a[4] = s.ledOption2;
        query = true;
        break;
    case kGetStageColours: {
        a[2] = r[2];
        query = true;
        const size_t n = r[2] == kPackedStageColourType ? kPackedStageColourSize : s.stageColours.size();
        std::vector<uint8_t> data(kReportLength, 0);
        std::copy_n(s.stageColours.begin(), n, data.begin());
        m_queryData.push_back(std::move(data));
        break;
    }
    default:
        ++rejects.unknownCommand;
        return;
    }
    ++s.accepted;
    if (query) {
        a[kChecksumIndex] = checksum(a.data());
        m_answer = a;
        m_hasAnswer = true;
    }
}

void Firmware::expectData(uint8_t command, int reports, int slot)
{
    m_dataCommand = command;
    m_dataReportsLeft = reports;
    m_dataSlot = slot;
    m_collected.clear();
}

void Firmware::outputReport(const uint8_t *bytes, size_t length)
{
    if (m_dataReportsLeft <= 0) {
        ++rejects.unexpectedData;
        return;
    }
    if (length != kDataReportSize) {
        ++rejects.length;
        m_dataReportsLeft = 0;
        return;
    }
    if (bytes[0] != kReportIdByte) {
        ++rejects.reportId;
        m_dataReportsLeft = 0;
        return;
    }
    m_collected.insert(m_collected.end(), bytes + 1, bytes + length);
    if (--m_dataReportsLeft == 0)
        commitData();
}

void Firmware::commitData()
{
    FirmwareState &s = state;
    auto take = [this](uint8_t *to, size_t n) { std::copy_n(m_collected.begin(), std::min(n, m_collected.size()), to); };
    switch (m_dataCommand) {
    case kOptionsOrMatrix:
        take(s.keyMatrix.data(), s.keyMatrix.size());
        break;
    case kMacro:
        take(s.macros[static_cast<size_t>(m_dataSlot)].data(), s.macros[0].size());
        break;
    case kStageColours:
        take(s.stageColours.data(), s.stageColours.size());
        break;
    case kColours:
        take(s.ledColours.data(), s.ledColours.size());
        break;
    default:
        break;
    }
}

bool Firmware::answer(Short &out, const uint8_t *code) const
{
    if (!m_hasAnswer)
        return false;
    out = m_answer;
    if (code)
        scramble8(&out[1], code);
    return true;
}

std::deque<std::vector<uint8_t>> Firmware::takeQueryData()
{
    std::deque<std::vector<uint8_t>> data;
    data.swap(m_queryData);
    return data;
}

int Firmware::nextStage() const
{
    for (int step = 1; step <= kStageCount; ++step) {
        const int stage = (state.currentStage + step) % kStageCount;
        if (state.stageMask & (1u << stage))
            return stage;
    }
    return state.currentStage;
}

} // namespace vmouse
