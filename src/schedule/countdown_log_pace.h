#pragma once

#include "schedule/countdown.h"

// Which seconds of a countdown a log (not a terminal) shows, so that a wait of twelve hours takes a few
// lines: when the countdown starts, then on each full hour left, then every ten minutes in its last
// hour, then when its last minute begins.
class CountdownLogPace {
public:
    // True when the countdown with this time left is to be logged. A countdown that grew (recomputed
    // after the clock was set back) is logged again as a new one.
    bool Due(CountdownSeconds left);
    // The next countdown is a new one.
    void Restart() { m_started = false; }

private:
    bool m_started = false;
    CountdownSeconds m_last = 0;
    CountdownSeconds m_next = 0;
};
