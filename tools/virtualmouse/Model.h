#pragma once
// Internal state of the virtual mouse, shared by the control API and the
// hidapi functions. One process-wide instance, guarded by its mutex.

#include "Firmware.h"
#include "VirtualMouse.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

namespace vmouse {

struct Unit {
    uint16_t vid = 0;
    uint16_t pid = 0;
    bool plugged = true;
    Firmware firmware;
    std::map<uint16_t, std::deque<std::vector<uint8_t>>> inputReports;  // by usage page
};

struct Model {
    std::mutex mutex;
    std::condition_variable inputArrived;
    bool initialised = false;
    std::vector<Interface> interfaces;  // enumeration order
    std::map<int, Unit> units;
    int nextUnit = 1;
    std::vector<CallRecord> trace;

    // Faults and behaviour asked for by tests and the control channel.
    struct FaultPlan {
        int skip = 0;
        int count = 0;  // -1: every call
    };
    std::map<FailPoint, FaultPlan> faults;
    bool silent = false;
    std::vector<uint8_t> answerOverride;
    bool scrambling = false;
    std::array<uint8_t, 6> secrecyCode{};

    // Takes the lock first; sets up the units of VIRTUALMOUSE_ATTACH on first use.
    static Model &instance();
    void ensureInitialised();  // caller holds the lock
    void clear();              // caller holds the lock
    int addUnitLocked(uint16_t vid, uint16_t pid);
    std::string addInterfaceLocked(int unit, uint16_t usagePage, uint16_t usage);
    void record(Call call, const std::string &path, const uint8_t *bytes, size_t length, int argument, int result);
    const Interface *findInterface(const std::string &path) const;
    // Consumes one call of `point`'s fault plan; true when this call fails.
    bool shouldFail(FailPoint point);
    // The secrecy code while reports are scrambled, else null.
    const uint8_t *scrambleCode() const { return scrambling ? secrecyCode.data() : nullptr; }
    Unit *pluggedUnit(int unit);
    bool raiseStage(int unit, int stage);  // stage 1..8
};

} // namespace vmouse
