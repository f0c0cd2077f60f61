#pragma once

// Section "SERVER" of the settings file.

class ProfileFile;

// Loads Server from the settings file as read (ReadSettingsFile), then loads both calendars again from
// the stored calendar paths. Without a settings file, creates it from Server as it stands instead.
void ReadServerSettings(const ProfileFile& file);

// Stores the 42 server keys in their order, in one write of the file. "LastRace" and "DefaultRace"
// are not touched.
void WriteServerSettings();

// Stores where the running schedule stopped ("LastRace"), so a run that remembers it goes on from there.
void WriteLastRace();
