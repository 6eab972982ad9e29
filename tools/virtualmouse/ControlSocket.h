#pragma once
// The control channel's stream sockets, for the server and vmousectl. The
// address is a Unix socket path on Linux; Windows (Wine included) has no Unix
// sockets to rely on, so there the address is a TCP port on 127.0.0.1.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vmouse {

using SocketHandle = std::intptr_t;
constexpr SocketHandle kNoSocket = -1;

// A listening socket at `address`, or kNoSocket.
SocketHandle listenControl(const std::string &address);
// A connection to `address`, or kNoSocket; *error gets the system's reason.
SocketHandle connectControl(const std::string &address, std::string *error);
// Waits up to `ms` for something to read (or a connection to accept).
bool waitReadable(SocketHandle socket, int ms);
SocketHandle acceptClient(SocketHandle listener);
// Bytes read, 0 at the end of the stream, negative on error.
long receiveSome(SocketHandle socket, char *buffer, std::size_t size);
// Sends all of `text`; false when the peer went away.
bool sendAll(SocketHandle socket, const std::string &text);
// No more writing: the peer reads the end of the stream.
void finishSending(SocketHandle socket);
// Closes the socket; a listener also removes what it left in the file system.
void closeSocket(SocketHandle socket, const std::string &listenAddress = {});

} // namespace vmouse
