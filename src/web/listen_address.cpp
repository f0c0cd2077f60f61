#include "web/listen_address.h"

#include <arpa/inet.h>
#include <charconv>
#include <cstring>

namespace {

std::optional<unsigned short> ParsePort(std::string_view text) {
    unsigned port = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || port == 0 || port > 65535)
        return std::nullopt;
    return static_cast<unsigned short>(port);
}

bool IsLoopback(const in6_addr& address) {
    if (IN6_IS_ADDR_LOOPBACK(&address))
        return true;
    // An IPv4 loopback address written as IPv6.
    return IN6_IS_ADDR_V4MAPPED(&address) && address.s6_addr[12] == 127;
}

} // namespace

ListenParse ParseListenAddress(std::string_view text) {
    const std::string form = "an address and a port, such as 127.0.0.1:8640 or [::1]:8640";
    size_t colon = text.rfind(':');
    if (colon == std::string_view::npos)
        return {std::nullopt, "\"" + std::string(text) + "\" is not " + form + "."};
    std::string host(text.substr(0, colon));
    std::optional<unsigned short> port = ParsePort(text.substr(colon + 1));
    if (!port)
        return {std::nullopt, "\"" + std::string(text) + "\" has no port from 1 to 65535."};
    ListenAddress address;
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
        sockaddr_in6 socket6{};
        socket6.sin6_family = AF_INET6;
        socket6.sin6_port = htons(*port);
        if (inet_pton(AF_INET6, host.substr(1, host.size() - 2).c_str(), &socket6.sin6_addr) == 1) {
            address.loopback = IsLoopback(socket6.sin6_addr);
            std::memcpy(&address.socket, &socket6, sizeof socket6);
            address.length = sizeof socket6;
            return {address, ""};
        }
    } else {
        sockaddr_in socket4{};
        socket4.sin_family = AF_INET;
        socket4.sin_port = htons(*port);
        if (inet_pton(AF_INET, host.c_str(), &socket4.sin_addr) == 1) {
            address.loopback = (ntohl(socket4.sin_addr.s_addr) >> 24) == 127;
            std::memcpy(&address.socket, &socket4, sizeof socket4);
            address.length = sizeof socket4;
            return {address, ""};
        }
    }
    return {std::nullopt, "\"" + std::string(text) + "\" is not " + form + "."};
}

std::optional<std::string> RefuseListening(const ListenAddress& address, std::string_view listen,
                                           bool httpsSet) {
    if (address.loopback || httpsSet)
        return std::nullopt;
    return "[WEB] Listen=" + std::string(listen) +
           " is reachable from other machines, and the admin's password and settings must not cross the "
           "network unencrypted. Either set [WEB] Certificate and Key to PEM files for HTTPS, or keep a "
           "loopback address (127.0.0.1) and publish the admin through a reverse proxy with TLS on this "
           "machine.";
}
