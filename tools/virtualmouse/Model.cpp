#include "Model.h"

#include <cstdlib>
#include <sstream>

namespace vmouse {

Model &Model::instance()
{
    static Model model;
    return model;
}

void Model::clear()
{
    interfaces.clear();
    units.clear();
    trace.clear();
    nextUnit = 1;
    faults.clear();
    silent = false;
    answerOverride.clear();
    scrambling = false;
    secrecyCode = {};
    initialised = true;
}

void Model::ensureInitialised()
{
    if (initialised)
        return;
    clear();
    if (const char *control = std::getenv("VIRTUALMOUSE_CONTROL"); control && *control)
        startControlServer(control);
    const char *attach = std::getenv("VIRTUALMOUSE_ATTACH");
    std::string units = attach ? attach : "1040";
    std::stringstream list(units);
    std::string item;
    while (std::getline(list, item, ',')) {
        if (item == "none" || item.empty())
            continue;
        const int unit = addUnitLocked(kVendorId, static_cast<uint16_t>(std::strtoul(item.c_str(), nullptr, 16)));
        addInterfaceLocked(unit, kCommandUsagePage, kVendorUsage);
        addInterfaceLocked(unit, kEventUsagePage, kVendorUsage);
    }
}

int Model::addUnitLocked(uint16_t vid, uint16_t pid)
{
    const int id = nextUnit++;
    Unit &u = units[id];
    u.vid = vid;
    u.pid = pid;
    return id;
}

std::string Model::addInterfaceLocked(int unit, uint16_t usagePage, uint16_t usage)
{
    const auto it = units.find(unit);
    if (it == units.end())
        return std::string();
    int number = 0;
    for (const Interface &i : interfaces)
        number += i.unit == unit;
    Interface i;
    i.unit = unit;
    i.vid = it->second.vid;
    i.pid = it->second.pid;
    i.usagePage = usagePage;
    i.usage = usage;
    i.interfaceNumber = number;
    i.path = "virtual/unit" + std::to_string(unit) + "/if" + std::to_string(number);
    interfaces.push_back(i);
    return i.path;
}

void Model::record(Call call, const std::string &path, const uint8_t *bytes, size_t length, int argument, int result)
{
    CallRecord r;
    r.time = std::chrono::steady_clock::now();
    r.call = call;
    r.path = path;
    if (bytes && length)
        r.bytes.assign(bytes, bytes + length);
    r.argument = argument;
    r.result = result;
    trace.push_back(std::move(r));
}

const Interface *Model::findInterface(const std::string &path) const
{
    for (const Interface &i : interfaces)
        if (i.path == path)
            return &i;
    return nullptr;
}

bool Model::shouldFail(FailPoint point)
{
    const auto it = faults.find(point);
    if (it == faults.end() || it->second.count == 0)
        return false;
    if (it->second.skip > 0) {
        --it->second.skip;
        return false;
    }
    if (it->second.count > 0)
        --it->second.count;
    return true;
}

Unit *Model::pluggedUnit(int unit)
{
    const auto it = units.find(unit);
    return it != units.end() && it->second.plugged ? &it->second : nullptr;
}

bool Model::raiseStage(int unit, int stage)
{
    constexpr int kFirstStage = 1;
    constexpr int kLastStage = 8;
    constexpr uint8_t kEventKind0 = 0x06;
    constexpr uint8_t kEventKind1 = 0x07;
    Unit *u = pluggedUnit(unit);
    if (!u || stage < kFirstStage || stage > kLastStage)
        return false;
    u->firmware.state.currentStage = static_cast<uint8_t>(stage - 1);
    u->inputReports[kEventUsagePage].push_back({kEventKind0, kEventKind1, 0x00, static_cast<uint8_t>(stage)});
    inputArrived.notify_all();
    return true;
}

// ---- control API ----

void reset()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.clear();
    m.inputArrived.notify_all();
}

int addUnit(uint16_t vid, uint16_t pid)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    return m.addUnitLocked(vid, pid);
}

std::string addInterface(int unit, uint16_t usagePage, uint16_t usage)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    return m.addInterfaceLocked(unit, usagePage, usage);
}

int plugMouse(uint16_t pid)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    const int unit = m.addUnitLocked(kVendorId, pid);
    m.addInterfaceLocked(unit, kCommandUsagePage, kVendorUsage);
    m.addInterfaceLocked(unit, kEventUsagePage, kVendorUsage);
    return unit;
}

void unplug(int unit)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    const auto it = m.units.find(unit);
    if (it != m.units.end())
        it->second.plugged = false;
    std::vector<Interface> kept;
    for (const Interface &i : m.interfaces)
        if (i.unit != unit)
            kept.push_back(i);
    m.interfaces.swap(kept);
    m.inputArrived.notify_all();
}

std::vector<Interface> interfaces()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    return m.interfaces;
}

void queueInputReport(int unit, uint16_t usagePage, const std::vector<uint8_t> &report)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    const auto it = m.units.find(unit);
    if (it == m.units.end())
        return;
    it->second.inputReports[usagePage].push_back(report);
    m.inputArrived.notify_all();
}

std::vector<CallRecord> trace()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    return m.trace;
}

void clearTrace()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.trace.clear();
}

const char *callName(Call call)
{
    switch (call) {
    case Call::Init: return "init";
    case Call::Exit: return "exit";
    case Call::Enumerate: return "enumerate";
    case Call::FreeEnumeration: return "free_enumeration";
    case Call::Open: return "open";
    case Call::OpenPath: return "open_path";
    case Call::Close: return "close";
    case Call::SetNonblocking: return "set_nonblocking";
    case Call::SendFeature: return "send_feature_report";
    case Call::GetFeature: return "get_feature_report";
    case Call::GetInput: return "get_input_report";
    case Call::Write: return "write";
    case Call::Read: return "read";
    case Call::ReadTimeout: return "read_timeout";
    case Call::Info: return "get_device_info";
    case Call::Strings: return "get_string";
    }
    return "?";
}

} // namespace vmouse
