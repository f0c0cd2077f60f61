#pragma once

#include "platform/file_cause.h"

#include <string>
#include <utility>
#include <vector>

// Whole-file access through host paths (host_path.h). Every failure names its cause.

// True when the path names an existing file or folder.
bool PathExists(const std::string& path);

struct FileReadResult {
    FileCause cause = CauseNone;
    std::string bytes;
};

// Reads the whole file, opened for reading only.
FileReadResult ReadFileBytes(const std::string& path);

// True when the file has no write permission at all, or this user may not write it.
bool IsReadOnly(const std::string& path);

// Changes single bytes of an existing file in place, each at its offset from the start; offsets at or
// beyond the file's end are left out, so the file keeps its length. A file that is missing or read-only
// is refused with its cause and left as it was.
FileCause PatchFileBytes(const std::string& path, const std::vector<std::pair<size_t, char>>& bytes);

// Replaces the file with bytes in one step: a temporary file in the same folder is written, flushed
// and renamed over it, so the file is either the old one or the new one, never half-written. A file
// that may not be written (read-only) is refused with access denied, as opening it for writing would be.
FileCause WriteFileAtomically(const std::string& path, const std::string& bytes);
