#pragma once

#include <string>

// Paths are kept as the settings file, the registry and the simulators know them: Windows paths
// ("C:\Sims\NL\all.cal") or POSIX paths ("/srv/sims/nl/"). They become host paths only when a file is
// opened, tested or listed.

// True when the path begins with a drive letter and a colon.
bool HasDriveLetter(const std::string& path);

// True when the path is a POSIX path, one that begins with a slash.
bool IsPosixPath(const std::string& path);

// The Wine prefix that holds the drives: $WINEPREFIX, else ~/.wine.
std::string WinePrefix();

// Makes a relative $WINEPREFIX absolute against the current folder, so that the prefix stays the same
// when the current folder changes (as it does for every simulator started) and the Wine started gets
// the same one. Called once at start-up; an absolute or unset $WINEPREFIX is left as it is.
void MakeWinePrefixAbsolute();

// The host folder of a drive letter: the prefix's dosdevices link for it, or drive_c for C: and the
// root for Z: when that link is missing. Empty when the drive has neither.
std::string DriveRoot(char driveLetter);

// The host path of a path. A POSIX path is returned as it stands. Anything else is taken as a Windows
// path: its drive goes through the Wine prefix (a path without a drive is relative to the current
// folder, one that begins with a separator is on drive C:), backslashes become slashes, and each
// existing component is matched without regard to case; its names are given in UTF-8, as Wine keeps
// them.
std::string HostPath(const std::string& path);

// The error to tell for a file operation that failed with error on the path that this thread's last
// HostPath call gave. Where a folder on the way could not be listed, a name could not be matched without
// regard to case and may still be there in another case: a file not found is then not known to be
// absent, and the listing's error is the real cause.
int HostPathError(int error);

// The path with its last element spelt as its folder spells it without regard to case. Windows paths
// are matched so by HostPath already; this lets a POSIX path find "evt00001.WON" as "evt00001.won".
std::string WithExistingNameCase(const std::string& path);
