// Text dumps of the firmware state and the wire trace, for the control
// channel and for people reading test failures.

#include "Model.h"

#include <cstdio>
#include <sstream>

namespace vmouse {
namespace {

template <typename Bytes>
std::string hex(const Bytes &bytes)
{
    std::string out;
    char b[4];
    for (uint8_t v : bytes) {
        std::snprintf(b, sizeof b, out.empty() ? "%02X" : " %02X", v);
        out += b;
    }
    return out;
}

std::string hex4(uint16_t v)
{
    char b[8];
    std::snprintf(b, sizeof b, "%04X", v);
    return b;
}

void dumpUnit(std::ostringstream &out, int id, const Unit &u)
{
    const FirmwareState &s = u.firmware.state;
    const Rejects &r = u.firmware.rejects;
    out << "unit " << id << "\n";
    out << "pid " << hex4(u.pid) << "\n";
    out << "reportRate " << int(s.reportRate) << "\n";
    out << "currentProfile " << int(s.currentProfile) << "\n";
    out << "keyboardOptions " << hex(s.keyboardOptions) << "\n";
    out << "gunData " << hex(s.gunData) << "\n";
    out << "ledEffect " << int(s.ledEffect) << "\n";
    out << "ledColourValue " << int(s.ledColourValue) << "\n";
    out << "ledOption1 " << int(s.ledOption1) << "\n";
    out << "ledOption2 " << int(s.ledOption2) << "\n";
    out << "currentStage " << int(s.currentStage) << "\n";
    out << "stageMask " << int(s.stageMask) << "\n";
    out << "stageCodes " << hex(s.stageCodes) << "\n";
    out << "highRangeMask " << int(s.highRangeMask) << "\n";
    out << "axisX " << int(s.axisX) << "\n";
    out << "axisY " << int(s.axisY) << "\n";
    out << "ledColours " << hex(s.ledColours) << "\n";
    out << "stageColours " << hex(s.stageColours) << "\n";
    out << "keyMatrix " << hex(s.keyMatrix) << "\n";
    for (size_t i = 0; i < s.macros.size(); ++i)
        out << "macro" << i << " " << hex(s.macros[i]) << "\n";
    out << "recoveries " << s.recoveries << "\n";
    out << "accepted " << s.accepted << "\n";
    out << "rejects.checksum " << r.checksum << "\n";
    out << "rejects.length " << r.length << "\n";
    out << "rejects.reportId " << r.reportId << "\n";
    out << "rejects.unknownCommand " << r.unknownCommand << "\n";
    out << "rejects.unexpectedData " << r.unexpectedData << "\n";
    out << "rejects.incompleteData " << r.incompleteData << "\n";
    out << "rejects.badSlot " << r.badSlot << "\n";
    out << "rejects.total " << r.total() << "\n";
}

} // namespace

std::string dumpState()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    std::ostringstream out;
    for (const auto &u : m.units)
        if (u.second.plugged)
            dumpUnit(out, u.first, u.second);
    return out.str();
}

std::string dumpTrace()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    std::ostringstream out;
    if (m.trace.empty())
        return std::string();
    const auto start = m.trace.front().time;
    for (const CallRecord &c : m.trace) {
        const double ms = std::chrono::duration<double, std::milli>(c.time - start).count();
        char t[32];
        std::snprintf(t, sizeof t, "%.3f", ms);
        out << t << " " << callName(c.call) << " " << (c.path.empty() ? "-" : c.path) << " arg=" << c.argument
            << " result=" << c.result;
        if (!c.bytes.empty())
            out << " " << hex(c.bytes);
        out << "\n";
    }
    return out.str();
}

} // namespace vmouse
