// The event listener: a pool task that reads the mouse's stage notifications
// from the event interface and notices the mouse's removal. At most one runs
// at a time; its effects reach the GUI thread as queued calls.

#include "Hid_Thread.h"

#include "EventReport.h"

#include <QDebug>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

using namespace hidproto;

void Hid_Thread::startEventListener(uint32_t did)
{
    m_listening = false;

    uchar options[4] = {};
    // Without the mouse's own option bytes there is nothing sound to write
    // back: the 03H write is skipped rather than sending invented values.
    if (queryKeyboardOptions(options[0], options[1], options[2], options[3])) {
        options[3] |= kOptionStageEvents;
        hid_03H_SetKeyboardoption(options[0], options[1], options[2], options[3]);
    }

    // The option commands pass GUI events, so another start may have run
    // meanwhile: stop and wait right before starting, with no event pass in
    // between, so only one listener ever uses the event handle. The option
    // write reaches the mouse before the listener opens the event interface.
    waitCommands();
    m_listening = false;
    waitEventListener();
    m_listening = true;
    m_listener = QtConcurrent::run(QThreadPool::globalInstance(), this, &Hid_Thread::eventListener, did);
}

void Hid_Thread::stopEventListener()
{
    m_listening = false;
}

void Hid_Thread::waitEventListener()
{
    m_listener.waitForFinished();
}

void Hid_Thread::eventListener(uint32_t did)
{
    // Without a path there is nothing to listen to; the flag must not claim
    // a listener that is not running (the window holds device checks back
    // while it is set).
    if (eventPath(did).isEmpty()) {
        m_listening = false;
        return;
    }
    while (m_listening) {
        hid_device *h = openEventInterface(did);
        if (!h) {
            qDebug("Device removed");
            clearEventPath(did);
            m_listening = false;
            postDeviceLost(did);
            return;
        }
        uint8_t report[kEventReportSize] = {};
        const int read = hid_read_timeout(h, report, sizeof report, kEventReadTimeoutMs);
        const int stage = stageFromEventReport(report, read);
        if (stage)
            postStage(stage);
        hid_close(m_eventHandle);
        m_eventHandle = nullptr;
    }
}

void Hid_Thread::postStage(int stage)
{
    QMetaObject::invokeMethod(
        this,
        [this, stage] {
            if (m_listenerHooks.stageChanged)
                m_listenerHooks.stageChanged(stage);
        },
        Qt::QueuedConnection);
}

void Hid_Thread::postDeviceLost(uint32_t did)
{
    QMetaObject::invokeMethod(
        this,
        [this, did] {
            if (m_listenerHooks.deviceLost)
                m_listenerHooks.deviceLost(did);
        },
        Qt::QueuedConnection);
}
