#pragma once

#include <string>

// Path operations on Windows paths ("C:\Sims\NL\all.cal"), where a backslash or a slash separates
// folders, and on POSIX paths ("/srv/sims/nl/"), which split the same way without a drive.

// The folder of the running program file, ending in a separator.
std::string GetProgramFolder();

// Makes folder end in a separator: a backslash, or a slash for a POSIX path. A single letter becomes
// that drive's root ("C" gives "C:\"); an empty text becomes a lone backslash.
void AddBackslash(std::string& folder);

// True when path is not empty and names an existing file or folder.
bool FileExists(const std::string& path);

// The last path element: base name and extension, without drive and folder.
std::string FileNameOf(const std::string& path);

// Drive, folder and base name of path, followed by extension (which brings its own full stop).
std::string ChangeExtension(const std::string& path, const std::string& extension);
