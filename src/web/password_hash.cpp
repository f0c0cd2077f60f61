#include "web/password_hash.h"

#include <sodium.h>

namespace {

// Argon2id with 19 MiB and two passes: the common recommendation for logins, and small enough that a
// login does not double the admin's memory.
constexpr unsigned long long passes = 2;
constexpr size_t memoryBytes = 19u << 20;

bool SodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::optional<std::string> HashPassword(std::string_view password) {
    char hash[crypto_pwhash_STRBYTES];
    if (!SodiumReady() || crypto_pwhash_str_alg(hash, password.data(), password.size(), passes, memoryBytes,
                                                crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    return std::string(hash);
}

bool PasswordMatches(const std::string& hash, std::string_view password) {
    return SodiumReady() && !hash.empty() && hash.size() < crypto_pwhash_STRBYTES &&
           crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}
