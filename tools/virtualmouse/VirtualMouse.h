#pragma once
// The virtual mouse: stands in for the system HID library. It implements the
// hidapi C functions on top of a model of attached units and records every
// call it receives, so tests and the demo build run without hardware.
//
// All functions here are thread-safe; the HID functions may be called from
// any thread while a test drives the model.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace vmouse {

constexpr uint16_t kVendorId = 0x260D;
constexpr uint16_t kProduct3336 = 0x1040;
constexpr uint16_t kProduct4090 = 0x1044;
constexpr uint16_t kCommandUsagePage = 0xFF01;
constexpr uint16_t kEventUsagePage = 0xFF02;
constexpr uint16_t kVendorUsage = 0x0001;

// One HID collection as hid_enumerate lists it.
struct Interface {
    int unit = 0;
    uint16_t vid = 0;
    uint16_t pid = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = 0;
    std::string path;
};

enum class Call {
    Init, Exit, Enumerate, FreeEnumeration, Open, OpenPath, Close, SetNonblocking,
    SendFeature, GetFeature, GetInput, Write, Read, ReadTimeout, Info, Strings
};
const char *callName(Call call);

// One entry of the wire trace.
struct CallRecord {
    std::chrono::steady_clock::time_point time;
    Call call = Call::Init;
    std::string path;            // interface the call concerns; empty when none
    std::vector<uint8_t> bytes;  // bytes sent, or bytes delivered to the caller
    int argument = 0;            // vid<<16|pid for Enumerate, timeout, nonblock flag, length asked
    int result = 0;
};

// Forgets every unit and the trace. The model starts from this state the
// first time it is used, unless VIRTUALMOUSE_ATTACH names units to plug:
// "1040", "1044", "1040,1044" or "none" (the demo build plugs one 1040 mouse).
void reset();

// A unit with no collections yet; returns its id.
int addUnit(uint16_t vid, uint16_t pid);
// Appends a collection of `unit` to the enumeration order; returns its path.
std::string addInterface(int unit, uint16_t usagePage, uint16_t usage);
// A catalogued mouse with its command collection and then its event collection.
int plugMouse(uint16_t pid = kProduct3336);
// Removes the unit: it leaves the enumeration and its open handles fail.
void unplug(int unit);
std::vector<Interface> interfaces();

// Queues an input report (without report ID) for readers of `unit`'s
// interface with the given usage page; a blocked reader wakes up.
void queueInputReport(int unit, uint16_t usagePage, const std::vector<uint8_t> &report);

std::vector<CallRecord> trace();
void clearTrace();

} // namespace vmouse
