// The line commands of the control channel. Each returns its reply text,
// ending in a newline; errors start with "error:".

#include "VirtualMouse.h"

#include <cstdlib>
#include <set>
#include <sstream>

namespace vmouse {
namespace {

constexpr char kHelp[] =
    "plug [1040|1044]        plug in a mouse (default 1040)\n"
    "unplug [unit]           unplug one unit, or every unit\n"
    "stage <1-8> [unit]      the mouse switches to a stage and reports it\n"
    "button [unit]           press the stage button (next enabled stage)\n"
    "state                   firmware state of every plugged unit\n"
    "trace                   the wire trace\n"
    "clear-trace             forget the wire trace\n"
    "fail <open|send|get|write|read> [count] [skip]   fail calls (count -1: all)\n"
    "fail off                stop failing calls\n"
    "silent on|off           answer no query\n"
    "help                    this text\n";

std::string error(const std::string &what)
{
    return "error: " + what + "\n";
}

bool parseInt(const std::string &text, int &value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0')
        return false;
    value = static_cast<int>(v);
    return true;
}

// The unit named by `text`, or the first plugged one when `text` is empty.
int unitFrom(const std::string &text)
{
    int unit = 0;
    if (text.empty())
        return firstPluggedUnit();
    return parseInt(text, unit) ? unit : 0;
}

bool failPointFrom(const std::string &name, FailPoint &point)
{
    static const std::pair<const char *, FailPoint> kNames[] = {
        {"open", FailPoint::Open}, {"send", FailPoint::Send}, {"get", FailPoint::Get},
        {"write", FailPoint::Write}, {"read", FailPoint::Read}};
    for (const auto &n : kNames)
        if (name == n.first) {
            point = n.second;
            return true;
        }
    return false;
}

} // namespace

std::string runControlCommand(const std::string &line)
{
    std::istringstream in(line);
    std::string verb, a, b, c;
    in >> verb >> a >> b >> c;

    if (verb.empty())
        return std::string();
    if (verb == "help")
        return kHelp;
    if (verb == "plug") {
        if (!a.empty() && a != "1040" && a != "1044")
            return error("plug takes 1040 or 1044");
        const uint16_t pid = a == "1044" ? kProduct4090 : kProduct3336;
        return "ok unit " + std::to_string(plugMouse(pid)) + "\n";
    }
    if (verb == "unplug") {
        std::set<int> units;
        if (!a.empty()) {
            units.insert(unitFrom(a));
        } else {
            for (const Interface &i : interfaces())
                units.insert(i.unit);
        }
        units.erase(0);
        if (units.empty())
            return error("no unit plugged");
        for (int unit : units)
            unplug(unit);
        return "ok\n";
    }
    if (verb == "stage") {
        int stage = 0;
        if (!parseInt(a, stage))
            return error("stage takes a number 1 to 8");
        return setStage(unitFrom(b), stage) ? "ok\n" : error("no such stage or unit");
    }
    if (verb == "button") {
        const int unit = unitFrom(a);
        if (!pressStageButton(unit))
            return error("no unit plugged");
        return "ok stage " + std::to_string(firmwareState(unit).currentStage + 1) + "\n";
    }
    if (verb == "state") {
        const std::string state = dumpState();
        return state.empty() ? "no unit plugged\n" : state;
    }
    if (verb == "trace")
        return dumpTrace();
    if (verb == "clear-trace") {
        clearTrace();
        return "ok\n";
    }
    if (verb == "fail") {
        if (a == "off") {
            clearFailures();
            return "ok\n";
        }
        FailPoint point;
        if (!failPointFrom(a, point))
            return error("fail takes open, send, get, write, read or off");
        int count = -1, skip = 0;
        if ((!b.empty() && !parseInt(b, count)) || (!c.empty() && !parseInt(c, skip)))
            return error("count and skip are numbers");
        failCall(point, count, skip);
        return "ok\n";
    }
    if (verb == "silent") {
        if (a != "on" && a != "off")
            return error("silent takes on or off");
        setSilent(a == "on");
        return "ok\n";
    }
    return error("unknown command \"" + verb + "\" (try help)");
}

} // namespace vmouse
