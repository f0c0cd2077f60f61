#include "web/login_throttle.h"

#include <algorithm>

LoginThrottle::Clock::duration LoginThrottle::WaitLeft(const std::string& address, Clock::time_point now) {
    std::lock_guard lock(m_mutex);
    auto found = m_addresses.find(address);
    if (found == m_addresses.end() || found->second.heardAgain <= now)
        return Clock::duration::zero();
    return found->second.heardAgain - now;
}

void LoginThrottle::Failed(const std::string& address, Clock::time_point now) {
    std::lock_guard lock(m_mutex);
    if (!m_addresses.contains(address) && m_addresses.size() >= MostAddresses) {
        auto stalest =
            std::min_element(m_addresses.begin(), m_addresses.end(), [](const auto& a, const auto& b) {
                return a.second.heardAgain < b.second.heardAgain;
            });
        m_addresses.erase(stalest);
    }
    Failures& failures = m_addresses[address];
    failures.inARow = std::min(failures.inARow + 1, 64);
    int doublings = failures.inARow - FreeFailures;
    if (doublings < 0) {
        failures.heardAgain = now;
        return;
    }
    Clock::duration wait = doublings >= 10 ? LongestWait : std::chrono::seconds(1) * (1 << doublings);
    failures.heardAgain = now + std::min(wait, LongestWait);
}

void LoginThrottle::Succeeded(const std::string& address) {
    std::lock_guard lock(m_mutex);
    m_addresses.erase(address);
}
