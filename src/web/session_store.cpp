#include "web/session_store.h"

#include <algorithm>
#include <sodium.h>

namespace {

std::string Hex(const unsigned char* bytes, size_t size) {
    std::string text(size * 2 + 1, '\0');
    sodium_bin2hex(text.data(), text.size(), bytes, size);
    text.pop_back();
    return text;
}

std::string LookupKey(std::string_view id) {
    unsigned char digest[crypto_generichash_BYTES];
    crypto_generichash(digest, sizeof digest, reinterpret_cast<const unsigned char*>(id.data()), id.size(),
                       nullptr, 0);
    return Hex(digest, sizeof digest);
}

} // namespace

std::string RandomToken() {
    static const bool ready = sodium_init() >= 0;
    (void)ready;
    unsigned char bytes[32];
    randombytes_buf(bytes, sizeof bytes);
    return Hex(bytes, sizeof bytes);
}

bool TokensEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && !a.empty() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

SessionStore::Session SessionStore::Open(const std::string& passwordHash, Clock::time_point now) {
    Entry entry{RandomToken(), RandomToken(), passwordHash, now};
    std::lock_guard lock(m_mutex);
    std::erase_if(m_sessions, [now](const auto& held) { return now - held.second.lastUse >= IdleLimit; });
    if (m_sessions.size() >= MostSessions) {
        auto oldest =
            std::min_element(m_sessions.begin(), m_sessions.end(), [](const auto& a, const auto& b) {
                return a.second.lastUse < b.second.lastUse;
            });
        m_sessions.erase(oldest);
    }
    m_sessions[LookupKey(entry.id)] = entry;
    return {entry.id, entry.csrfToken};
}

std::optional<SessionStore::Session> SessionStore::Find(std::string_view id, const std::string& passwordHash,
                                                        Clock::time_point now) {
    std::string key = LookupKey(id);
    std::lock_guard lock(m_mutex);
    auto found = m_sessions.find(key);
    if (found == m_sessions.end())
        return std::nullopt;
    Entry& entry = found->second;
    if (now - entry.lastUse >= IdleLimit || entry.passwordHash != passwordHash) {
        m_sessions.erase(found);
        return std::nullopt;
    }
    entry.lastUse = now;
    return Session{entry.id, entry.csrfToken};
}

void SessionStore::Close(std::string_view id) {
    std::lock_guard lock(m_mutex);
    m_sessions.erase(LookupKey(id));
}
