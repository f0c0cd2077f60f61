#pragma once

#include <string>

class ProfileFile;

// Section "WEB" of the settings file: where the web admin listens and how it lets the operator in. The
// original program ignores the section, so the file still moves between the two.
struct WEB {
    // An IPv4 address or a bracketed IPv6 address, a colon and a port.
    std::string Listen = "127.0.0.1:8640";
    // The operator's password as an Argon2id hash string; empty: no password set, no admin.
    std::string PasswordHash;
    // PEM files for HTTPS; both empty: plain HTTP, on a loopback address only.
    std::string Certificate;
    std::string Key;

    bool operator==(const WEB&) const = default;
};

// The section as the settings file holds it (ReadSettingsFile); missing keys give the defaults.
WEB ReadWebSettings(const ProfileFile& file);

// Stores a new password hash, leaving every other value of the file as it is; false, after telling the
// operator, when the write fails.
bool WritePasswordHash(const std::string& hash);
