#pragma once

#include <netinet/in.h>
#include <optional>
#include <string>
#include <string_view>
#include <sys/socket.h>

// The address the web admin listens on, as [WEB] Listen gives it: "127.0.0.1:8640", "[::1]:8640".
struct ListenAddress {
    sockaddr_storage socket{};
    socklen_t length = 0;
    bool loopback = false;
};

// The address, or the reason the text names none (said to the operator as it stands).
struct ListenParse {
    std::optional<ListenAddress> address;
    std::string reason;
};
ListenParse ParseListenAddress(std::string_view text);

// Why the admin may not listen there: an address other machines reach needs HTTPS, or a reverse proxy on
// this machine that reaches the admin on a loopback address. Nothing when it may.
std::optional<std::string> RefuseListening(const ListenAddress& address, std::string_view listen,
                                           bool httpsSet);
