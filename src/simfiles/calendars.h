#pragma once

#include "core/simulator.h"
#include "simfiles/calendar_file.h"

#include <memory>
#include <string>

// The calendars of the two simulators, or none, and the track count of each (0 when there is none);
// each thread has its own, as it has its own records (core/app_state.h).
extern thread_local std::unique_ptr<CCalendarFileN3> CalendarN3;
extern thread_local std::unique_ptr<CCalendarFileNL> CalendarNL;
extern thread_local int TrackCountN3;
extern thread_local int TrackCountNL;

// Replaces the simulator's calendar with one read from path, or from the server's calendar path when
// path is empty. A calendar that cannot be read still gives an object, with no tracks. Returns the
// track count.
int CreateCalendarN3(const std::string& path);
int CreateCalendarNL(const std::string& path);

// The calendar of a simulator, or none.
const CCalendarFile* CalendarOf(SimulatorValue simulator);

// Deletes both calendars.
void DestroyCalendars();
