#pragma once

// The default race (key "DefaultRace" of section "SERVER") and the schedule (section "SCHEDULE") in
// the settings file.

// Loads DefaultRace; without a settings file, stores it as it stands instead.
void ReadDefaultRace();
void WriteDefaultRace();

// Appends the stored schedule to EventList and sets ScheduleLoaded when the stored count is at least 1.
void ReadEvents();

// Stores EventList as the schedule, the whole "SCHEDULE" section replaced in one write.
void WriteEvents();
