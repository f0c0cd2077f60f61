#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>

// Slows down guessing the password: after five failed logins in a row from one address, each further
// attempt from it waits twice as long as the one before, up to fifteen minutes. A login that succeeds
// forgets the address's failures. Safe to use from any thread.
class LoginThrottle {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int FreeFailures = 5;
    static constexpr Clock::duration LongestWait = std::chrono::minutes(15);
    // The addresses remembered at most; the one whose wait ended longest ago makes room.
    static constexpr size_t MostAddresses = 4096;

    // How long the address must still wait before an attempt of its is heard; zero when it may try now.
    Clock::duration WaitLeft(const std::string& address, Clock::time_point now);

    void Failed(const std::string& address, Clock::time_point now);
    void Succeeded(const std::string& address);

private:
    struct Failures {
        int inARow = 0;
        Clock::time_point heardAgain;
    };

    std::map<std::string, Failures> m_addresses;
    std::mutex m_mutex;
};
