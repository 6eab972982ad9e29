// The hidapi C functions, answered by the virtual mouse model.

#include "Model.h"

#include <hidapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>

using vmouse::Call;
using vmouse::FailPoint;
using vmouse::Model;

struct hid_device_ {
    std::string path;
    int unit = 0;
    uint16_t usagePage = 0;
    bool nonblocking = false;
    std::wstring error;
};

namespace {

std::wstring g_error;
constexpr int kProductStringMax = 64;

wchar_t *duplicate(const std::wstring &text)
{
    wchar_t *copy = static_cast<wchar_t *>(std::calloc(text.size() + 1, sizeof(wchar_t)));
    std::wmemcpy(copy, text.c_str(), text.size());
    return copy;
}

// True when the handle's unit is still attached; sets the handle's error otherwise.
bool attached(Model &m, hid_device *dev)
{
    const auto it = m.units.find(dev->unit);
    if (it == m.units.end() || !it->second.plugged) {
        dev->error = L"device disconnected";
        return false;
    }
    return true;
}

int copyString(const std::wstring &text, wchar_t *string, size_t maxlen)
{
    if (!string || maxlen == 0)
        return -1;
    const size_t n = std::min(text.size(), maxlen - 1);
    std::wmemcpy(string, text.c_str(), n);
    string[n] = L'\0';
    return 0;
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    m.record(Call::Init, std::string(), nullptr, 0, 0, 0);
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.record(Call::Exit, std::string(), nullptr, 0, 0, 0);
    return 0;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    int count = 0;
    for (const vmouse::Interface &i : m.interfaces) {
        if ((vendor_id && i.vid != vendor_id) || (product_id && i.pid != product_id))
            continue;
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        info->path = strdup(i.path.c_str());
        info->vendor_id = i.vid;
        info->product_id = i.pid;
        info->serial_number = duplicate(L"VM" + std::to_wstring(i.unit));
        info->release_number = 0x0100;
        info->manufacturer_string = duplicate(L"Virtual");
        info->product_string = duplicate(L"Virtual Mouse");
        info->usage_page = i.usagePage;
        info->usage = i.usage;
        info->interface_number = i.interfaceNumber;
        info->bus_type = HID_API_BUS_USB;
        *tail = info;
        tail = &info->next;
        ++count;
    }
    m.record(Call::Enumerate, std::string(), nullptr, 0, (vendor_id << 16) | product_id, count);
    return head;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.record(Call::FreeEnumeration, std::string(), nullptr, 0, 0, 0);
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open_path(const char *path)
{
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.ensureInitialised();
    const std::string p = path ? path : "";
    const vmouse::Interface *i = m.findInterface(p);
    if (i && m.shouldFail(FailPoint::Open)) {
        g_error = L"open failed on demand";
        m.record(Call::OpenPath, p, nullptr, 0, 0, -1);
        return nullptr;
    }
    if (!i) {
        g_error = L"no such device";
        m.record(Call::OpenPath, p, nullptr, 0, 0, -1);
        return nullptr;
    }
    auto *dev = new hid_device_;
    dev->path = p;
    dev->unit = i->unit;
    dev->usagePage = i->usagePage;
    m.record(Call::OpenPath, p, nullptr, 0, 0, 0);
    return dev;
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t *)
{
    std::string path;
    {
        Model &m = Model::instance();
        std::lock_guard<std::mutex> lock(m.mutex);
        m.ensureInitialised();
        for (const vmouse::Interface &i : m.interfaces)
            if (i.vid == vendor_id && i.pid == product_id) {
                path = i.path;
                break;
            }
        m.record(Call::Open, path, nullptr, 0, (vendor_id << 16) | product_id, path.empty() ? -1 : 0);
    }
    if (path.empty()) {
        g_error = L"no such device";
        return nullptr;
    }
    return hid_open_path(path.c_str());
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device *dev)
{
    if (!dev)
        return;
    Model &m = Model::instance();
    {
        std::lock_guard<std::mutex> lock(m.mutex);
        m.record(Call::Close, dev->path, nullptr, 0, 0, 0);
    }
    delete dev;
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device *dev, int nonblock)
{
    if (!dev)
        return -1;
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    dev->nonblocking = nonblock != 0;
    m.record(Call::SetNonblocking, dev->path, nullptr, 0, nonblock, 0);
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    if (!dev || !data || length == 0)
        return -1;
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    int result = static_cast<int>(length);
    if (!attached(m, dev) || m.shouldFail(FailPoint::Send)) {
        dev->error = L"send failed";
        result = -1;
    } else if (dev->usagePage == vmouse::kCommandUsagePage) {
        m.units[dev->unit].firmware.featureReport(data, length, m.scrambleCode());
    }
    m.record(Call::SendFeature, dev->path, data, length, static_cast<int>(length), result);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev || !data || length == 0)
        return -1;
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    auto failed = [&](const wchar_t *why) {
        dev->error = why;
        m.record(Call::GetFeature, dev->path, nullptr, 0, static_cast<int>(length), -1);
        return -1;
    };
    if (!attached(m, dev))
        return failed(L"device disconnected");
    if (m.shouldFail(FailPoint::Get))
        return failed(L"get failed on demand");
    if (m.silent)
        return failed(L"no answer");
    int result = 0;
    if (!m.answerOverride.empty()) {
        result = static_cast<int>(std::min(length, m.answerOverride.size()));
        std::memcpy(data, m.answerOverride.data(), static_cast<size_t>(result));
    } else {
        vmouse::Unit &unit = m.units[dev->unit];
        vmouse::Firmware::Short answer;
        if (dev->usagePage != vmouse::kCommandUsagePage || !unit.firmware.answer(answer, m.scrambleCode()))
            return failed(L"no query to answer");
        result = static_cast<int>(std::min(length, answer.size()));
        std::memcpy(data, answer.data(), static_cast<size_t>(result));
        // The data of a query with data follows its answer as input reports;
        // data of an earlier query that nobody read is gone.
        std::deque<std::vector<uint8_t>> data = unit.firmware.takeQueryData();
        if (!data.empty())
            unit.inputReports[dev->usagePage].clear();
        for (std::vector<uint8_t> &report : data)
            unit.inputReports[dev->usagePage].push_back(std::move(report));
        m.inputArrived.notify_all();
    }
    m.record(Call::GetFeature, dev->path, data, static_cast<size_t>(result), static_cast<int>(length), result);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev || !data || length == 0)
        return -1;
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    m.record(Call::GetInput, dev->path, nullptr, 0, static_cast<int>(length), -1);
    dev->error = L"input reports are not supported";
    return -1;
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    if (!dev || !data || length == 0)
        return -1;
    Model &m = Model::instance();
    std::lock_guard<std::mutex> lock(m.mutex);
    int result = static_cast<int>(length);
    if (!attached(m, dev) || m.shouldFail(FailPoint::Write)) {
        dev->error = L"write failed";
        result = -1;
    } else if (dev->usagePage == vmouse::kCommandUsagePage) {
        m.units[dev->unit].firmware.outputReport(data, length);
    } else {
        ++m.units[dev->unit].firmware.rejects.unexpectedData;
    }
    m.record(Call::Write, dev->path, data, length, static_cast<int>(length), result);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    if (!dev || !data)
        return -1;
    Model &m = Model::instance();
    std::unique_lock<std::mutex> lock(m.mutex);
    if (m.shouldFail(FailPoint::Read)) {
        dev->error = L"read failed on demand";
        m.record(Call::ReadTimeout, dev->path, nullptr, 0, milliseconds, -1);
        return -1;
    }
    auto queued = [&]() -> std::deque<std::vector<uint8_t>> * {
        const auto it = m.units.find(dev->unit);
        if (it == m.units.end() || !it->second.plugged)
            return nullptr;
        return &it->second.inputReports[dev->usagePage];
    };
    auto ready = [&] {
        auto *q = queued();
        return !q || !q->empty();
    };
    if (milliseconds < 0)
        m.inputArrived.wait(lock, ready);
    else if (milliseconds > 0)
        m.inputArrived.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);

    auto *q = queued();
    int result = 0;
    if (!q) {
        dev->error = L"device disconnected";
        result = -1;
    } else if (!q->empty()) {
        const std::vector<uint8_t> report = q->front();
        q->pop_front();
        result = static_cast<int>(std::min(length, report.size()));
        std::memcpy(data, report.data(), static_cast<size_t>(result));
    }
    m.record(Call::ReadTimeout, dev->path, result > 0 ? data : nullptr, result > 0 ? static_cast<size_t>(result) : 0,
             milliseconds, result);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    return hid_read_timeout(dev, data, length, dev->nonblocking ? 0 : -1);
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(L"Virtual", string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(L"Virtual Mouse", string, std::min<size_t>(maxlen, kProductStringMax)) : -1;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return dev ? copyString(L"VM" + std::to_wstring(dev->unit), string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *dev, int, wchar_t *, size_t)
{
    if (dev)
        dev->error = L"indexed strings are not supported";
    return -1;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_get_device_info(hid_device *dev)
{
    if (dev)
        dev->error = L"device info is not supported";
    return nullptr;
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    if (dev)
        return dev->error.empty() ? nullptr : dev->error.c_str();
    return g_error.empty() ? nullptr : g_error.c_str();
}

HID_API_EXPORT const struct hid_api_version *HID_API_CALL hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char *HID_API_CALL hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

} // extern "C"
