// The control API over the firmware: state, stage events, faults.

#include "Model.h"

namespace vmouse {

FirmwareState firmwareState(int unit)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    const auto it = m.units.find(unit);
    return it == m.units.end() ? FirmwareState() : it->second.firmware.state;
}

Rejects rejects(int unit)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    const auto it = m.units.find(unit);
    return it == m.units.end() ? Rejects() : it->second.firmware.rejects;
}

int firstPluggedUnit()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    for (const auto &u : m.units)
        if (u.second.plugged)
            return u.first;
    return 0;
}

bool setStage(int unit, int stage)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    return m.raiseStage(unit, stage);
}

bool pressStageButton(int unit)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    Unit *u = m.pluggedUnit(unit);
    return u && m.raiseStage(unit, u->firmware.nextStage() + 1);
}

void failCall(FailPoint point, int count, int skip)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.faults[point] = Model::FaultPlan{skip, count};
}

void clearFailures()
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.faults.clear();
}

void setSilent(bool silent)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.silent = silent;
}

void setAnswerOverride(const std::vector<uint8_t> &bytes)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.answerOverride = bytes;
}

void setScrambling(bool on, const std::array<uint8_t, 6> &code)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.scrambling = on;
    m.secrecyCode = code;
}

} // namespace vmouse
