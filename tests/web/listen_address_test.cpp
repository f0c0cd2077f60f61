#include "web/listen_address.h"

#include <gtest/gtest.h>

TEST(ListenAddress, ReadsIPv4AndBracketedIPv6WithAPortAndTellsLoopback) {
    struct Row {
        const char* listen;
        bool parsed;
        bool loopback;
    };
    const Row rows[] = {
        {"127.0.0.1:8640", true, true},
        {"127.8.9.10:1", true, true},
        {"[::1]:8640", true, true},
        {"[::ffff:127.0.0.1]:80", true, true},
        {"0.0.0.0:8640", true, false},
        {"192.168.1.20:65535", true, false},
        {"[::]:8640", true, false},
        {"[2001:db8::1]:443", true, false},
        {"127.0.0.1", false, false},
        {"127.0.0.1:0", false, false},
        {"127.0.0.1:65536", false, false},
        {"127.0.0.1:86x", false, false},
        {"::1:8640", false, false},
        {"localhost:8640", false, false},
        {"", false, false},
        {"[::1:8640", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.listen);
        ListenParse parse = ParseListenAddress(row.listen);
        ASSERT_EQ(parse.address.has_value(), row.parsed) << parse.reason;
        if (row.parsed)
            EXPECT_EQ(parse.address->loopback, row.loopback);
        else
            EXPECT_NE(parse.reason.find(std::string("\"") + row.listen + "\""), std::string::npos);
    }
}

TEST(ListenAddress, AnAddressOthersReachNeedsHttpsAndTheRefusalNamesBothWays) {
    ListenAddress open = *ParseListenAddress("0.0.0.0:8640").address;
    ListenAddress loopback = *ParseListenAddress("[::1]:8640").address;
    EXPECT_EQ(RefuseListening(loopback, "[::1]:8640", false), std::nullopt);
    EXPECT_EQ(RefuseListening(open, "0.0.0.0:8640", true), std::nullopt);
    std::optional<std::string> refusal = RefuseListening(open, "0.0.0.0:8640", false);
    ASSERT_TRUE(refusal.has_value());
    for (const char* part : {"[WEB] Listen=0.0.0.0:8640", "Certificate and Key", "reverse proxy"})
        EXPECT_NE(refusal->find(part), std::string::npos) << part;
}
