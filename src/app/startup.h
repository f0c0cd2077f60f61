#pragma once

// Bringing the program up and down, shared by the windowed program and the console runner.

// Fills Server with a new record, finds the two installations through the registry, loads their
// calendars and then the settings file. False, after telling the operator, when neither simulator is
// installed (the program is to end without reading or creating the settings file) or when the settings
// file is there but cannot be read (the program is to end without writing over it).
bool CreateServer();

// Fills DefaultRace with the built-in default race and then the stored one.
bool CreateDefaultRace();

// The whole start-up before the first window: stale temporary files of unfinished replacements removed
// from the program folder, the records, the schedule, the publishing settings and the program's version.
// False when the program is to end.
bool StartUp();

// Frees everything start-up made; stores nothing.
void ShutDown();
