#pragma once

// The default race (key "DefaultRace" of section "SERVER") and the schedule (section "SCHEDULE") in
// the settings file.

class ProfileFile;

// Loads DefaultRace from the settings file as read (ReadSettingsFile); when there is still no settings
// file, stores it as it stands instead.
void ReadDefaultRace(const ProfileFile& file);
void WriteDefaultRace();

// Appends the stored schedule to EventList and sets ScheduleLoaded when the stored count is at least 1.
// Records that the count names but the section lacks (or holds empty) are told once: the first as
// such, the others as their number.
void ReadEvents(const ProfileFile& file);

// Stores EventList as the schedule, the whole "SCHEDULE" section replaced in one write. With
// forgetLastRace, "LastRace" becomes -1 in the same write: a runner in another process, which reads it
// from the file, then starts a changed schedule from its first event instead of at an old place.
void WriteEvents(bool forgetLastRace = false);
