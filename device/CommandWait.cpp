// Waits of the caller for the command thread. The GUI thread never stops
// for them: its event loop keeps painting, running timers and delivering
// queued calls, while user input waits until the answer is in (a click must
// not start another request in the middle of this one).

#include "Hid_Thread.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <atomic>
#include <memory>

namespace {

// The calling thread runs the application's event loop.
bool inGuiEventLoop()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread() && QThread::currentThread()->loopLevel() > 0;
}

} // namespace

void Hid_Thread::callCommandThread(const std::function<void()> &job)
{
    if (m_commands.queues() && inGuiEventLoop())
        waitInEventLoop(job);
    else
        m_commands.call(job);
}

void Hid_Thread::waitCommands()
{
    callCommandThread([] {});
}

void Hid_Thread::waitInEventLoop(const std::function<void()> &job)
{
    // Shared with the job, which may still be unwinding when the wait ends.
    auto done = std::make_shared<std::atomic<bool>>(false);
    QCoreApplication *app = QCoreApplication::instance();
    m_commands.post([job, done, app] {
        job();
        done->store(true);
        // Wakes the waiting loop below.
        QMetaObject::invokeMethod(app, [] {}, Qt::QueuedConnection);
    });
    if (m_answerWaits++ == 0)
        emit awaitingAnswerChanged();
    while (!done->load())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    if (--m_answerWaits == 0)
        emit awaitingAnswerChanged();
}
