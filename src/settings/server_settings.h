#pragma once

// Section "SERVER" of the settings file.

// Loads Server from the settings file, then loads both calendars again from the stored calendar
// paths. Without a settings file, creates it from Server as it stands instead. A settings file that is
// there but cannot be looked at or read is told to the operator with its cause and left untouched;
// returns false then, and the program is to end.
bool ReadServerSettings();

// Stores the 42 server keys in their order, in one write of the file. "LastRace" and "DefaultRace"
// are not touched.
void WriteServerSettings();

// Stores where the running schedule stopped ("LastRace"), so a run that remembers it goes on from there.
void WriteLastRace();
