#include "simfiles/calendars.h"

#include "core/app_state.h"
#include "core/simulator.h"
#include "platform/messages.h"

#include <new>

thread_local std::unique_ptr<CCalendarFileN3> CalendarN3;
thread_local std::unique_ptr<CCalendarFileNL> CalendarNL;
thread_local int TrackCountN3 = 0;
thread_local int TrackCountNL = 0;

namespace {

template <typename Calendar>
int CreateCalendar(const std::string& path, const std::string SERVER::*storedPath,
                   std::unique_ptr<Calendar>& calendar, int& trackCount, const char* allocationMessage) {
    trackCount = 0;
    calendar.reset();
    std::string file = path;
    if (file.empty() && Server)
        file = Server.get()->*storedPath;
    try {
        calendar = std::make_unique<Calendar>(file);
    } catch (const std::bad_alloc&) {
        ShowMessage(allocationMessage, MessageIcon::Warning);
        return 0;
    }
    trackCount = calendar->GetTrackCount();
    return trackCount;
}

} // namespace

int CreateCalendarN3(const std::string& path) {
    return CreateCalendar(path, Simulators[SimulatorN3].calendarFile, CalendarN3, TrackCountN3,
                          "Could not allocate memory for NR3 calendar file object.");
}

int CreateCalendarNL(const std::string& path) {
    return CreateCalendar(path, Simulators[SimulatorNL].calendarFile, CalendarNL, TrackCountNL,
                          "Could not allocate memory for NL calendar file object.");
}

const CCalendarFile* CalendarOf(SimulatorValue simulator) {
    if (simulator == SimulatorNL)
        return CalendarNL.get();
    return CalendarN3.get();
}

void DestroyCalendars() {
    CalendarN3.reset();
    CalendarNL.reset();
    TrackCountN3 = 0;
    TrackCountNL = 0;
}
