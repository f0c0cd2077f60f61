#pragma once

class ProfileFile;

// Bringing the program up and down, shared by the windowed program and the console runner.

// Fills Server with a new record, finds the two installations through the registry and loads their
// calendars. False, after telling the operator, when neither simulator is installed: the program is to
// end without reading or creating the settings file.
bool CreateServer();

// Fills DefaultRace with the built-in default race and then the one stored in the settings file as read.
void CreateDefaultRace(const ProfileFile& settings);

// The whole start-up before the first window: stale temporary files of unfinished replacements removed
// from the program folder, the records, the schedule, the publishing settings and the program's version,
// every setting from one reading of the settings file. False when the program is to end: no simulator
// is installed, or the settings file is there but cannot be read (then nothing is written over it).
bool StartUp();

// Frees everything start-up made; stores nothing.
void ShutDown();
