// The report transport: free flag, open/close around every report, settle
// pauses, and the send and query patterns.

#include "Hid_Thread.h"

#include "SecrecyCodeStore.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

using namespace hidproto;

bool Hid_Thread::takeHid()
{
    bool expected = true;
    return m_hidFree.compare_exchange_strong(expected, false);
}

bool Hid_Thread::waitHidFree()
{
    if (takeHid())
        return true;
    // The flag is not looked at again after the last pass. On the command
    // thread the event pass finds nothing to do; the GUI thread keeps its own.
    for (int pass = 1; pass <= kFreePollCount; ++pass) {
        QThread::msleep(kFreePollMs);
        QCoreApplication::processEvents();
        if (pass < kFreePollCount && takeHid())
            return true;
    }
    ++m_transportFailures;
    return false;
}

void Hid_Thread::hidSettle()
{
    for (int i = 0; i < kSettleSteps; ++i)
        QThread::msleep(kSettleStepMs);
}

hid_device *Hid_Thread::openCmdInterface(uint32_t did)
{
    const QString path = cmdPath(did);
    if (path.isEmpty())
        return nullptr;
    closeCmdHandle();
    hid_device *handle = hid_open_path(path.toLocal8Bit().constData());
    if (!handle) {
        clearCmdPath(did);
        return nullptr;
    }
    hid_set_nonblocking(handle, 0);
    m_cmdHandle = handle;
    return handle;
}

hid_device *Hid_Thread::openEventInterface(uint32_t did)
{
    const QString path = eventPath(did);
    if (path.isEmpty())
        return nullptr;
    if (m_eventHandle) {
        hid_close(m_eventHandle);
        m_eventHandle = nullptr;
    }
    hid_device *handle = hid_open_path(path.toLocal8Bit().constData());
    if (!handle) {
        clearEventPath(did);
        return nullptr;
    }
    hid_set_nonblocking(handle, 0);
    m_eventHandle = handle;
    return handle;
}

void Hid_Thread::closeCmdHandle()
{
    if (m_cmdHandle) {
        hid_close(m_cmdHandle);
        m_cmdHandle = nullptr;
    }
}

bool Hid_Thread::fail()
{
    ++m_transportFailures;
    m_hidFree = true;
    return false;
}

bool Hid_Thread::failClosed()
{
    closeCmdHandle();
    return fail();
}

namespace {
// The scrambling slots take the secrecy code from element 1 on.
std::array<uchar, 1 + kSecrecyCodeSize> secrecyArgument()
{
    std::array<uchar, 1 + kSecrecyCodeSize> code{};
    const SecrecyCode secrecy = currentSecrecyCode();
    std::copy(secrecy.begin(), secrecy.end(), code.begin() + 1);
    return code;
}
} // namespace

void Hid_Thread::scrambleOutgoing()
{
    if (!m_scrambling)
        return;
    auto code = secrecyArgument();
    USBDataEncryption(&m_out[kShortBlockOffset], code.data());
}

bool Hid_Thread::finish()
{
    closeCmdHandle();
    m_hidFree = true;
    return true;
}

hid_device *Hid_Thread::sendShortReport(uint32_t did, int length, uint32_t reportLength)
{
    // Refused before any traffic: a payload the buffer does not hold, or
    // data with no usable report length.
    if (length < 0 || length > kDataBufferSize || (length > 0 && reportLength == 0)) {
        fail();
        return nullptr;
    }
    if (!openCmdInterface(did)) {
        fail();
        return nullptr;
    }
    scrambleOutgoing();
    hid_device *h = openCmdInterface(did);
    if (!h || hid_send_feature_report(h, m_out.data(), m_out.size()) < 0) {
        failClosed();
        return nullptr;
    }
    return h;
}

bool Hid_Thread::hidSendReport(int length, bool settle)
{
    QCoreApplication::processEvents();
    const uint32_t did = m_currentDevice;
    const uint32_t reportLength = usableReportLength(did);
    hid_device *h = sendShortReport(did, length, reportLength);
    if (!h)
        return false;
    if (settle)
        hidSettle();
    if (length == 0)
        return finish();

    const int chunk = std::min<int>(length, static_cast<int>(reportLength));
    std::vector<uint8_t> report(reportLength + 1);
    for (int offset = 0; offset < length; offset += chunk) {
        // A short last chunk is followed by zeros.
        std::fill(report.begin(), report.end(), 0);
        report[0] = kReportId;
        std::memcpy(&report[1], m_data + offset, static_cast<size_t>(std::min(chunk, length - offset)));
        h = openCmdInterface(did);
        if (!h || hid_write(h, report.data(), report.size()) < 0)
            return failClosed();
        QThread::msleep(kDataReportPauseMs);
    }
    if (settle)
        hidSettle();
    return finish();
}

bool Hid_Thread::hidQueryReport(int length)
{
    const uint32_t did = m_currentDevice;
    const uint32_t reportLength = usableReportLength(did);
    hid_device *h = sendShortReport(did, length, reportLength);
    if (!h)
        return false;

    // Read into a scratch report: only the bytes the device delivered
    // replace the pre-filled answer.
    ShortReport answer{};
    answer[0] = kReportId;
    h = openCmdInterface(did);
    const int got = h ? hid_get_feature_report(h, answer.data(), answer.size()) : -1;
    if (got < 0)
        return failClosed();
    std::copy_n(answer.begin(), std::min<size_t>(static_cast<size_t>(got), answer.size()), m_in.begin());

    if (length == 0) {
        finish();
        if (m_scrambling) {
            auto code = secrecyArgument();
            USBDataDecipher(&m_in[kShortBlockOffset], code.data());
        }
        return true;
    }

    const int chunk = std::min<int>(length, static_cast<int>(reportLength));
    std::vector<uint8_t> report(reportLength + 1);
    for (int stored = 0; stored < length; stored += chunk) {
        std::fill(report.begin(), report.end(), 0);
        h = openCmdInterface(did);
        // Bounded: a device that never sends the data must not hang the program.
        const int read = h ? hid_read_timeout(h, report.data(), report.size(), kDataReadTimeoutMs) : -1;
        if (read <= 0)
            return failClosed();
        // Unnumbered reports arrive without their report ID; bytes the
        // device did not deliver stay zero.
        std::memcpy(m_data + stored, report.data(), static_cast<size_t>(std::min(chunk, length - stored)));
    }
    return finish();
}
