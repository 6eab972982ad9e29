// The device-link half of the connect step and of a device switch. What the
// window does around it (view, tray, device-present flag) comes through the
// connect hooks.

#include "Hid_Thread.h"

#include "SecrecyCodeStore.h"

#include <QDebug>

void Hid_Thread::swichCurDevice(uint did)
{
    if (did != m_currentDevice) {
        m_currentDevice = did;
        startEventListener(did);
    }
    chkDeviceIsEnCode();
}

void Hid_Thread::chkDeviceIsEnCode()
{
    const uint32_t did = m_currentDevice;
    if (m_connectHooks.secrecyText)
        setCurrentSecrecyCodeFromText(m_connectHooks.secrecyText(did));

    // The handle stays open until the next command closes and reopens it;
    // it belongs to the command thread, so the open runs there, after what
    // is queued.
    bool opened = false;
    callCommandThread([this, did, &opened] { opened = openCmdInterface(did) != nullptr; });
    if (!opened) {
        qDebug("Device Error");
        if (m_connectHooks.failed)
            m_connectHooks.failed(did);
        return;
    }
    qDebug("Device Connect");
    if (m_connectHooks.connected)
        m_connectHooks.connected(did);
    releaseHid();
    startEventListener(did);
}
