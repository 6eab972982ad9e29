#pragma once
// Helpers of the device tests: the virtual mouse's trace as one line of
// tokens, and a Hid_Thread connected to a freshly plugged mouse.

#include "Catalogue.h"
#include "Hid_Thread.h"
#include "VirtualMouse.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace wire {

inline QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

inline QString hex(const std::vector<uint8_t> &bytes)
{
    return hex(QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size())));
}

// HID traffic of the trace, one token per call: "open", "nb0" (blocking),
// "close", "F> bytes" (feature out), "F< bytes" (feature in), "W bytes"
// (output report), "R<timeout> bytes" (input read). A failed call ends in "!".
inline QString trace()
{
    QStringList out;
    for (const vmouse::CallRecord &c : vmouse::trace()) {
        QString t;
        switch (c.call) {
        case vmouse::Call::OpenPath: t = QStringLiteral("open"); break;
        case vmouse::Call::SetNonblocking: t = QStringLiteral("nb%1").arg(c.argument); break;
        case vmouse::Call::Close: t = QStringLiteral("close"); break;
        case vmouse::Call::SendFeature: t = QStringLiteral("F> ") + hex(c.bytes); break;
        case vmouse::Call::GetFeature: t = QStringLiteral("F< ") + hex(c.bytes); break;
        case vmouse::Call::Write: t = QStringLiteral("W ") + hex(c.bytes); break;
        case vmouse::Call::Read:
        case vmouse::Call::ReadTimeout: t = QStringLiteral("R%1 ").arg(c.argument) + hex(c.bytes); break;
        default: continue;
        }
        t = t.trimmed();
        if (c.result < 0)
            t += QLatin1Char('!');
        out << t;
    }
    return out.join(QStringLiteral(" | "));
}

inline int count(vmouse::Call call)
{
    int n = 0;
    for (const vmouse::CallRecord &c : vmouse::trace())
        n += c.call == call;
    return n;
}

// A data report of 64 payload bytes: report ID, `data`, zeros.
inline QString dataReport(const QByteArray &data)
{
    QByteArray r(1 + vmouse::kReportLength, '\0');
    r.replace(1, data.size(), data);
    return hex(r);
}

inline uchar *u(QByteArray &b)
{
    return reinterpret_cast<uchar *>(b.data());
}

inline QByteArray fromHex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text));
}

inline CatalogueRecord mouseRecord(uint16_t pid = vmouse::kProduct3336, uint32_t reportLength = 64)
{
    CatalogueRecord r;
    r.type = 1;
    r.vid = vmouse::kVendorId;
    r.pid = pid;
    r.usagePage = vmouse::kCommandUsagePage;
    r.usage = vmouse::kVendorUsage;
    r.usagePage2 = vmouse::kEventUsagePage;
    r.usage2 = vmouse::kVendorUsage;
    r.reportLength = reportLength;
    return r;
}

// Resets the virtual mouse, plugs one mouse and points `hid` at it; the trace starts empty. Returns the unit.
inline int attachMouse(Hid_Thread &hid, uint32_t reportLength = 64)
{
    vmouse::reset();
    const int unit = vmouse::plugMouse(vmouse::kProduct3336);
    hid.scanDevices({mouseRecord(vmouse::kProduct3336, reportLength)});
    vmouse::clearTrace();
    return unit;
}

// Transport patterns around the bytes: the first open, then a reopen before every report, and a close at the end.
const QString kOpen = QStringLiteral("open | nb0");
const QString kReopen = QStringLiteral("close | open | nb0");

inline QString set(const char *feature, const QStringList &writes = {})
{
    QString t = kOpen + " | " + kReopen + " | F> " + feature;
    for (const QString &w : writes)
        t += " | " + kReopen + " | W " + w;
    return t + " | close";
}

inline QString query(const char *feature, const char *answer, const QString &read = QString())
{
    QString t = kOpen + " | " + kReopen + " | F> " + feature + " | " + kReopen + " | F< " + answer;
    if (!read.isEmpty())
        t += " | " + kReopen + " | R1000 " + read;
    return t + " | close";
}

} // namespace wire
