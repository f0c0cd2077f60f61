#pragma once

#include "platform/file_cause.h"

#include <string>

// Whole-file access through host paths (host_path.h). Every failure names its cause.

// True when the path names an existing file or folder.
bool PathExists(const std::string& path);

struct FileReadResult {
    FileCause cause = CauseNone;
    std::string bytes;
};

// Reads the whole file, opened for reading only.
FileReadResult ReadFileBytes(const std::string& path);

// Replaces the file with bytes in one step: a temporary file in the same folder is written, flushed
// and renamed over it, so the file is either the old one or the new one, never half-written. A file
// that may not be written (read-only) is refused with access denied, as opening it for writing would be.
FileCause WriteFileAtomically(const std::string& path, const std::string& bytes);
