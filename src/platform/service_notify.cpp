#include "platform/service_notify.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

bool NotifyService(const std::string& state) {
    const char* path = std::getenv("NOTIFY_SOCKET");
    if (path == nullptr || (path[0] != '/' && path[0] != '@'))
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    size_t length = std::strlen(path);
    if (length >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path, length);
    // A name beginning with "@" is in the abstract namespace.
    if (path[0] == '@')
        address.sun_path[0] = '\0';
    int socketEnd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (socketEnd < 0)
        return false;
    ssize_t sent = sendto(socketEnd, state.data(), state.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
                          reinterpret_cast<const sockaddr*>(&address),
                          static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length));
    close(socketEnd);
    return sent == static_cast<ssize_t>(state.size());
}
