#pragma once

#include "race.h"

#include <string>

// The standings file a race leaves, in the layout of each simulator, with CR LF line ends.

// NASCAR Racing 3's ".won": a header line and one line of quoted values per driver.
std::string WonText(const Race& race);

// NASCAR Legends' ".stn": a title, the laps line, a table of fixed columns and the race's facts.
std::string StnText(const Race& race);
