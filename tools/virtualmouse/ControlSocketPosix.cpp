#include "ControlSocket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vmouse {
namespace {

constexpr int kBacklog = 4;

bool makeAddress(const std::string &path, sockaddr_un *address)
{
    *address = sockaddr_un{};
    if (path.empty() || path.size() >= sizeof address->sun_path)
        return false;
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.c_str(), path.size());
    return true;
}

} // namespace

SocketHandle listenControl(const std::string &address)
{
    sockaddr_un local;
    if (!makeAddress(address, &local))
        return kNoSocket;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return kNoSocket;
    ::unlink(address.c_str());
    if (bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local) < 0 || listen(fd, kBacklog) < 0) {
        ::close(fd);
        return kNoSocket;
    }
    return fd;
}

SocketHandle connectControl(const std::string &address, std::string *error)
{
    sockaddr_un remote;
    if (!makeAddress(address, &remote)) {
        *error = "socket path too long";
        return kNoSocket;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr *>(&remote), sizeof remote) < 0) {
        *error = std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return kNoSocket;
    }
    return fd;
}

bool waitReadable(SocketHandle socket, int ms)
{
    pollfd p{static_cast<int>(socket), POLLIN, 0};
    return poll(&p, 1, ms) > 0;
}

SocketHandle acceptClient(SocketHandle listener)
{
    const int fd = accept4(static_cast<int>(listener), nullptr, nullptr, SOCK_CLOEXEC);
    return fd < 0 ? kNoSocket : fd;
}

long receiveSome(SocketHandle socket, char *buffer, std::size_t size)
{
    return static_cast<long>(::read(static_cast<int>(socket), buffer, size));
}

bool sendAll(SocketHandle socket, const std::string &text)
{
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = ::send(static_cast<int>(socket), text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void finishSending(SocketHandle socket)
{
    shutdown(static_cast<int>(socket), SHUT_WR);
}

void closeSocket(SocketHandle socket, const std::string &listenAddress)
{
    ::close(static_cast<int>(socket));
    if (!listenAddress.empty())
        ::unlink(listenAddress.c_str());
}

} // namespace vmouse
