// vmousectl: sends one control line to a running virtual mouse and prints
// the reply. The socket is VIRTUALMOUSE_CONTROL, or the path after -s.
//
//   vmousectl [-s socket] plug 1044
//   vmousectl stage 3
//   vmousectl state

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
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

    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        std::fprintf(stderr, "vmousectl: socket path too long\n");
        return 2;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0) {
        std::fprintf(stderr, "vmousectl: cannot reach %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) {
        std::fprintf(stderr, "vmousectl: send failed\n");
        return 1;
    }
    shutdown(fd, SHUT_WR);
    std::string reply;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        reply.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    std::fputs(reply.c_str(), stdout);
    return reply.rfind("error:", 0) == 0 ? 1 : 0;
}
