#include "ControlSocket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdlib>

namespace vmouse {
namespace {

constexpr int kBacklog = 4;

// Winsock needs starting once per process before the first socket.
bool startWinsock()
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

// The address is a port number; anything else (a path) is refused.
bool makeAddress(const std::string &port, sockaddr_in *address)
{
    char *end = nullptr;
    const unsigned long number = std::strtoul(port.c_str(), &end, 10);
    if (port.empty() || *end != '\0' || number == 0 || number > 65535)
        return false;
    *address = sockaddr_in{};
    address->sin_family = AF_INET;
    address->sin_port = htons(static_cast<u_short>(number));
    address->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return true;
}

} // namespace

SocketHandle listenControl(const std::string &address)
{
    sockaddr_in local;
    if (!startWinsock() || !makeAddress(address, &local))
        return kNoSocket;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return kNoSocket;
    if (bind(s, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0 || listen(s, kBacklog) != 0) {
        closesocket(s);
        return kNoSocket;
    }
    return static_cast<SocketHandle>(s);
}

SocketHandle connectControl(const std::string &address, std::string *error)
{
    sockaddr_in remote;
    if (!startWinsock() || !makeAddress(address, &remote)) {
        *error = "the control address is a TCP port number on Windows";
        return kNoSocket;
    }
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET || connect(s, reinterpret_cast<sockaddr *>(&remote), sizeof remote) != 0) {
        *error = "connection refused (Winsock error " + std::to_string(WSAGetLastError()) + ")";
        if (s != INVALID_SOCKET)
            closesocket(s);
        return kNoSocket;
    }
    return static_cast<SocketHandle>(s);
}

bool waitReadable(SocketHandle socket, int ms)
{
    WSAPOLLFD p{static_cast<SOCKET>(socket), POLLRDNORM, 0};
    return WSAPoll(&p, 1, ms) > 0;
}

SocketHandle acceptClient(SocketHandle listener)
{
    const SOCKET s = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
    return s == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(s);
}

long receiveSome(SocketHandle socket, char *buffer, std::size_t size)
{
    return recv(static_cast<SOCKET>(socket), buffer, static_cast<int>(size), 0);
}

bool sendAll(SocketHandle socket, const std::string &text)
{
    std::size_t sent = 0;
    while (sent < text.size()) {
        const int n = send(static_cast<SOCKET>(socket), text.data() + sent, static_cast<int>(text.size() - sent), 0);
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void finishSending(SocketHandle socket)
{
    shutdown(static_cast<SOCKET>(socket), SD_SEND);
}

void closeSocket(SocketHandle socket, const std::string &)
{
    closesocket(static_cast<SOCKET>(socket));
}

} // namespace vmouse
