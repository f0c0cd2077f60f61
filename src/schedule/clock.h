#pragma once

#include <ctime>

// Where the running schedule reads the time; tests hand it a clock they set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t Now() const = 0;
};

class SystemClock : public Clock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};
