#pragma once
// The virtual mouse: stands in for the system HID library. It implements the
// hidapi C functions on top of a model of attached units and records every
// call it receives, so tests and the demo build run without hardware.
//
// All functions here are thread-safe; the HID functions may be called from
// any thread while a test drives the model.

#include <array>
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

// What the firmware of one unit keeps from the commands it was sent.
struct FirmwareState {
    uint8_t reportRate = 1;                     // 01H: report interval in ms
    uint8_t currentProfile = 0;                 // 02H
    std::array<uint8_t, 4> keyboardOptions{};   // 03H (options), read back by 83H
    std::array<uint8_t, 5> gunData{};           // 04H
    uint8_t ledEffect = 0;                      // 06H, read back by 8DH
    uint8_t ledColourValue = 0;
    uint8_t ledOption1 = 0;
    uint8_t ledOption2 = 0;
    uint8_t currentStage = 0;                   // 0..7; 07H sets it, 87H/8BH read it
    uint8_t stageMask = 0xFF;                   // 07H: enabled stages
    std::array<uint8_t, 8> stageCodes{};        // 07H stages 0..3, 08H stages 4..7
    uint8_t highRangeMask = 0;                  // 08H: double-step stages
    uint8_t axisX = 0;                          // 0BH
    uint8_t axisY = 0;
    std::array<uint8_t, 24> ledColours{};       // 0CH data
    std::array<uint8_t, 24> stageColours{};     // 0AH data as received (4 or 24 bytes, rest 0), read by 90H
    std::array<uint8_t, 64> keyMatrix{};        // 03H with one data report
    std::array<std::array<uint8_t, 192>, 12> macros{};  // 05H, slots 0..11
    int recoveries = 0;                         // 13H
    std::array<uint8_t, 4> secrecyAnswer{};     // last 00H exchange: the four bytes echoed
    int accepted = 0;                           // short reports applied
};

// Reports the firmware had to refuse, by reason.
struct Rejects {
    int checksum = 0;        // byte 8 wrong (not checked for 06H, 07H, 08H)
    int length = 0;          // a feature report not 9 bytes, a data report not reportLength + 1
    int reportId = 0;        // byte 0 not 0x00
    int unknownCommand = 0;
    int unexpectedData = 0;  // a data report with no command waiting for it
    int incompleteData = 0;  // a new command before the announced data reports arrived
    int badSlot = 0;         // macro slot outside 0..11
    int total() const
    {
        return checksum + length + reportId + unknownCommand + unexpectedData + incompleteData + badSlot;
    }
};

// Calls that can be made to fail on demand.
enum class FailPoint { Open, Send, Get, Write, Read };

// Forgets every unit, the trace, faults, silence, the answer override and
// scrambling. The model starts from this state the first time it is used,
// unless VIRTUALMOUSE_ATTACH names units to plug: "1040", "1044",
// "1040,1044" or "none" (the demo build plugs one 1040 mouse).
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
// One line per call: milliseconds since the first record, call, path,
// argument, result, bytes in hex.
std::string dumpTrace();

// ---- firmware ----
// Payload bytes of one data report of the catalogued mice.
constexpr int kReportLength = 64;

// The state of `unit`'s firmware (a default state for an unknown unit).
FirmwareState firmwareState(int unit);
Rejects rejects(int unit);
// Every plugged unit as text, one "key value" line each ("unit 1", "pid 1040",
// "reportRate 8", "keyMatrix 00 01 ...", "rejects.checksum 0", ...).
std::string dumpState();
// The first plugged unit, or 0 when none is.
int firstPluggedUnit();

// The mouse switched to stage s (1..8): the firmware's current stage
// becomes s - 1 and the event collection gets the report 06 07 00 s.
// Returns false for an unknown or unplugged unit or a stage outside 1..8.
bool setStage(int unit, int stage);
// The stage button: the next enabled stage (by the stage mask), reported as above.
bool pressStageButton(int unit);

// From the `skip`-th next call of that kind on, `count` calls fail (-1: all
// of them until clearFailures). Open fails hid_open_path; Send
// hid_send_feature_report; Get hid_get_feature_report; Write hid_write;
// Read hid_read and hid_read_timeout.
void failCall(FailPoint point, int count = -1, int skip = 0);
void clearFailures();
// A silent mouse takes reports but answers nothing: get_feature fails and
// the input reports of a query never come (reads time out).
void setSilent(bool silent);
// Every get_feature delivers exactly these bytes (garbage, short answers);
// an empty vector goes back to the firmware's answers.
void setAnswerOverride(const std::vector<uint8_t> &bytes);
// Short reports are scrambled with `code` in both directions while `on`.
void setScrambling(bool on, const std::array<uint8_t, 6> &code);

// ---- control channel ----
// Runs one control line ("plug 1044", "unplug", "stage 3", "state", "trace",
// "fail read", "silent on", ...) and returns the reply text.
std::string runControlCommand(const std::string &line);
// Serves control lines on a local (Unix) socket at `path`, one reply per
// line. Started on first use when VIRTUALMOUSE_CONTROL names a path.
bool startControlServer(const std::string &path);
void stopControlServer();

} // namespace vmouse
