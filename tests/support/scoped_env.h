#pragma once

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

// Sets an environment variable (or unsets it, for nullptr) while it lives, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(value);
    }
    ~ScopedEnv() { Set(m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const char* value) {
        if (value != nullptr)
            setenv(m_name, value, 1);
        else
            unsetenv(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

// Runs the test in the named time zone ("UTC", "America/New_York"), then puts back the old one.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : m_zone(std::make_unique<ScopedEnv>("TZ", zone)) { tzset(); }
    ~ScopedTimeZone() {
        m_zone.reset();
        tzset();
    }

private:
    std::unique_ptr<ScopedEnv> m_zone;
};
