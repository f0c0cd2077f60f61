#pragma once

#include "platform/file_cause.h"

#include <string>

// Tells whether WriteFileAtomically could replace the file, without touching it: an existing file
// must be writable and not a folder, and its folder must take a new file. A file of the atomic
// write's own naming is made there and removed at once, so a crash in between leaves only what the
// start-up clean-up removes anyway.
FileCause CheckReplaceable(const std::string& path);

// Why no new file can be made in the folder (a host path), found by making one of the atomic write's
// naming there and removing it at once; CauseNone when one can.
FileCause FolderTakesNewFile(const std::string& hostFolder);
