#pragma once

#include "publish/upcoming_starts.h"

#include <ctime>
#include <string>
#include <vector>

// schedule.ics, the feed the league's drivers subscribe to in their calendar programs (iCalendar,
// RFC 5545): one event per start, in UTC, each under a UID that stays the same while its start, simulator
// and track do, so a calendar updates an event rather than adding it twice. now is the time of writing.
std::string CalendarFeed(const std::string& title, const std::vector<UpcomingStart>& starts, std::time_t now);
