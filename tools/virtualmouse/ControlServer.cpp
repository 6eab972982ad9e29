// The control channel: a stream socket (ControlSocket.h) served by one
// thread. Each connection sends lines and gets one reply per line; the reply
// to the last line is followed by the end of the connection once the client
// stops writing.

#include "ControlSocket.h"
#include "VirtualMouse.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>

namespace vmouse {
namespace {

constexpr int kPollMs = 100;          // how soon the server notices a stop
constexpr int kClientIdleMs = 5000;   // a silent client is dropped after this
constexpr size_t kMaxLine = 4096;

class ControlServer
{
public:
    ~ControlServer() { stop(); }

    bool start(const std::string &path)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        stopLocked();
        const SocketHandle fd = listenControl(path);
        if (fd == kNoSocket)
            return false;
        m_fd = fd;
        m_path = path;
        m_running = true;
        m_thread = std::thread([this, fd] { serve(fd); });
        std::fprintf(stderr, "virtual mouse: control socket %s\n", path.c_str());
        return true;
    }

    void stop()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        stopLocked();
    }

private:
    void stopLocked()
    {
        if (!m_thread.joinable())
            return;
        m_running = false;
        m_thread.join();
        closeSocket(m_fd, m_path);
        m_fd = kNoSocket;
    }

    void serve(SocketHandle fd)
    {
        while (m_running) {
            if (!waitReadable(fd, kPollMs))
                continue;
            const SocketHandle client = acceptClient(fd);
            if (client != kNoSocket) {
                talk(client);
                closeSocket(client);
            }
        }
    }

    void talk(SocketHandle client)
    {
        std::string pending;
        char buffer[512];
        while (m_running) {
            if (!waitReadable(client, kClientIdleMs))
                return;
            const long n = receiveSome(client, buffer, sizeof buffer);
            if (n <= 0)
                break;
            pending.append(buffer, static_cast<size_t>(n));
            if (pending.size() > kMaxLine && pending.find('\n') == std::string::npos) {
                sendAll(client, "error: line too long\n");
                return;
            }
            for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
                sendAll(client, runControlCommand(pending.substr(0, end)));
                pending.erase(0, end + 1);
            }
        }
        if (!pending.empty())
            sendAll(client, runControlCommand(pending));
    }

    std::mutex m_lock;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    SocketHandle m_fd = kNoSocket;
    std::string m_path;
};
ControlServer &server()
{
    static ControlServer s;
    return s;
}

} // namespace

bool startControlServer(const std::string &path)
{
    return server().start(path);
}

void stopControlServer()
{
    server().stop();
}

} // namespace vmouse
