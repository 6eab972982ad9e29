#include "CommandQueue.h"

CommandQueue::~CommandQueue()
{
    stop();
}

void CommandQueue::start()
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_active)
        return;
    m_stopping = false;
    m_active = true;
    m_worker = std::thread(&CommandQueue::workerLoop, this);
    m_workerId = m_worker.get_id();
}

void CommandQueue::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_active || std::this_thread::get_id() == m_workerId)
            return;
        m_stopping = true;
    }
    m_wake.notify_all();
    m_worker.join();
    std::lock_guard<std::mutex> lock(m_lock);
    m_active = false;
    m_workerId = std::thread::id();
}

bool CommandQueue::runsInline() const
{
    return !m_active || std::this_thread::get_id() == m_workerId;
}

void CommandQueue::post(Job job)
{
    {
        std::unique_lock<std::mutex> lock(m_lock);
        if (!runsInline()) {
            m_jobs.push_back(std::move(job));
            lock.unlock();
            m_wake.notify_one();
            return;
        }
    }
    job();
}

void CommandQueue::call(const Job &job)
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (runsInline()) {
        lock.unlock();
        job();
        return;
    }
    bool done = false;
    m_jobs.push_back([this, &job, &done] {
        job();
        std::lock_guard<std::mutex> doneLock(m_lock);
        done = true;
    });
    m_wake.notify_one();
    m_idle.wait(lock, [&done] { return done; });
}

bool CommandQueue::busy() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return !m_jobs.empty() || m_running;
}

bool CommandQueue::queues() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return !runsInline();
}

void CommandQueue::workerLoop()
{
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;  // stopping, and everything handed over is done
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_running = true;
        lock.unlock();
        job();
        lock.lock();
        m_running = false;
        // Wakes both the callers waiting for their own job and those waiting for idle.
        m_idle.notify_all();
    }
}
