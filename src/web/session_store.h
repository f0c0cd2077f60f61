#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// A random token of 256 bits in 64 lower-case hex digits: a session's id (its cookie) or its CSRF token.
std::string RandomToken();

// True when two tokens are the same, in a time that does not tell how much of them agreed.
bool TokensEqual(std::string_view a, std::string_view b);

// The signed-in browsers. Each session has an id of its own (its cookie) and a CSRF token that every
// change must carry; it ends with Log out, after 12 hours without use, and when the password changes
// (a session remembers the password hash it was opened under). Safe to use from any thread.
class SessionStore {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration IdleLimit = std::chrono::hours(12);
    // The oldest session makes room for a new one beyond this.
    static constexpr size_t MostSessions = 64;

    struct Session {
        std::string id;
        std::string csrfToken;
    };

    Session Open(const std::string& passwordHash, Clock::time_point now);

    // The session of a cookie's id, its use noted now; nothing for an unknown, closed or expired id, or
    // one opened under another password.
    std::optional<Session> Find(std::string_view id, const std::string& passwordHash, Clock::time_point now);

    void Close(std::string_view id);

private:
    struct Entry {
        std::string id;
        std::string csrfToken;
        std::string passwordHash;
        Clock::time_point lastUse;
    };

    // Sessions are found by a hash of their id, so that the time a lookup takes tells nothing about the
    // ids held.
    std::map<std::string, Entry, std::less<>> m_sessions;
    std::mutex m_mutex;
};
