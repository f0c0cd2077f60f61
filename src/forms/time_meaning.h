#pragma once

#include <string>
#include <string_view>

// What a typed time with its PM box means on the clock, shown under the time fields so that the
// schedule's convention is never a surprise: PM adds twelve hours, so "12:26" with PM is 00:26 after
// midnight and "12:26" without PM is 12:26 at midday. "12:26 with PM = 00:26, after midnight";
// nothing for a time the dialogs refuse.
std::string TimeMeaning(std::string_view time, bool pm);
