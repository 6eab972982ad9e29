// The control channel: a Unix socket served by one thread. Each connection
// sends lines and gets one reply per line; the reply to the last line is
// followed by the end of the connection once the client stops writing.

#include "VirtualMouse.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

namespace vmouse {
namespace {

constexpr int kBacklog = 4;
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
        sockaddr_un address{};
        if (path.empty() || path.size() >= sizeof address.sun_path)
            return false;
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.c_str(), path.size());
        ::unlink(path.c_str());
        if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0 || listen(fd, kBacklog) < 0) {
            ::close(fd);
            return false;
        }
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
        ::close(m_fd);
        ::unlink(m_path.c_str());
        m_fd = -1;
    }

    void serve(int fd)
    {
        while (m_running) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, kPollMs) <= 0)
                continue;
            const int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                talk(client);
                ::close(client);
            }
        }
    }

    void talk(int client)
    {
        std::string pending;
        char buffer[512];
        while (m_running) {
            pollfd p{client, POLLIN, 0};
            if (poll(&p, 1, kClientIdleMs) <= 0)
                return;
            const ssize_t n = ::read(client, buffer, sizeof buffer);
            if (n <= 0)
                break;
            pending.append(buffer, static_cast<size_t>(n));
            if (pending.size() > kMaxLine && pending.find('\n') == std::string::npos) {
                reply(client, "error: line too long\n");
                return;
            }
            for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
                reply(client, runControlCommand(pending.substr(0, end)));
                pending.erase(0, end + 1);
            }
        }
        if (!pending.empty())
            reply(client, runControlCommand(pending));
    }

    static void reply(int client, const std::string &text)
    {
        size_t sent = 0;
        while (sent < text.size()) {
            const ssize_t n = ::send(client, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += static_cast<size_t>(n);
        }
    }

    std::mutex m_lock;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    int m_fd = -1;
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
