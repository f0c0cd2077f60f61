#pragma once

#include <optional>
#include <string>
#include <string_view>

// The operator's password kept as an Argon2id hash string (libsodium's crypto_pwhash_str), never as
// itself.

// The hash of a password; nothing when the library cannot make one (it is out of memory).
std::optional<std::string> HashPassword(std::string_view password);

// True when the password is the one the hash was made from.
bool PasswordMatches(const std::string& hash, std::string_view password);
