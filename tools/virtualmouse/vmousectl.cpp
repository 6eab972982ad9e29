// vmousectl: sends one control line to a running virtual mouse and prints
// the reply. The socket is VIRTUALMOUSE_CONTROL, or the address after -s
// (a path; a TCP port on 127.0.0.1 on Windows).
//
//   vmousectl [-s socket] plug 1044
//   vmousectl stage 3
//   vmousectl state

#include "ControlSocket.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    std::string path;
    if (const char *env = std::getenv("VIRTUALMOUSE_CONTROL"))
        path = env;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-s") == 0) {
        path = argv[2];
        first = 3;
    }
    if (path.empty() || first >= argc) {
        std::fprintf(stderr, "usage: vmousectl [-s socket] command [arguments]   (vmousectl help)\n"
                             "the socket defaults to $VIRTUALMOUSE_CONTROL\n");
        return 2;
    }
    std::string line;
    for (int i = first; i < argc; ++i)
        line += (i > first ? " " : "") + std::string(argv[i]);
    line += "\n";

    std::string error;
    const vmouse::SocketHandle fd = vmouse::connectControl(path, &error);
    if (fd == vmouse::kNoSocket) {
        std::fprintf(stderr, "vmousectl: cannot reach %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    if (!vmouse::sendAll(fd, line)) {
        std::fprintf(stderr, "vmousectl: send failed\n");
        vmouse::closeSocket(fd);
        return 1;
    }
    vmouse::finishSending(fd);
    std::string reply;
    char buffer[4096];
    for (long n; (n = vmouse::receiveSome(fd, buffer, sizeof buffer)) > 0;)
        reply.append(buffer, static_cast<size_t>(n));
    vmouse::closeSocket(fd);
    std::fputs(reply.c_str(), stdout);
    return reply.rfind("error:", 0) == 0 ? 1 : 0;
}
