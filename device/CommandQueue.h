#pragma once
// A single worker thread that carries out jobs one at a time, in the order
// they were handed over. The device link puts its commands here so that the
// pauses the mouse needs between reports never hold up the GUI thread.
//
// Until start() the queue is inactive and every job runs at once in the
// caller's thread. Standard C++ only: the Windows build compiles it too.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class CommandQueue
{
public:
    using Job = std::function<void()>;

    CommandQueue() = default;
    CommandQueue(const CommandQueue &) = delete;
    CommandQueue &operator=(const CommandQueue &) = delete;
    // Carries out what is still queued, then ends the worker.
    ~CommandQueue();

    void start();
    void stop();

    // Queues the job and returns. Runs it at once when the queue is
    // inactive or when called from a job (a job never waits for itself).
    void post(Job job);
    // Queues the job and waits until it and everything before it is done.
    void call(const Job &job);
    // True while a job is queued or running.
    bool busy() const;
    // True when a job handed over now goes to the worker, false when it
    // would run at once in the caller's thread.
    bool queues() const;

private:
    bool runsInline() const;  // caller must hold m_lock
    void workerLoop();

    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    std::thread m_worker;
    std::thread::id m_workerId;
    bool m_running = false;   // a job is being carried out
    bool m_stopping = false;
    bool m_active = false;
};
