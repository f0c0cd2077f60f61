#pragma once

#include "platform/file_cause.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Whole-file access through host paths (host_path.h). Every failure names its cause.

// Whether the path names something: CauseNone when it does, CauseFileNotFound when it is known to be
// absent (no such file, or a part of the path is not a folder), otherwise the cause that kept it from
// being looked at. Only a known absence may be taken as "not there": a file behind an I/O error or a
// refused folder may hold what the operator stored.
FileCause FindFile(const std::string& path);

// True unless the path is known to be absent (FindFile); false for an empty path.
bool PathExists(const std::string& path);

struct FileReadResult {
    FileCause cause = CauseNone;
    std::string bytes;
};

// No file that Quorva reads (settings file, dictionaries, calendars, standings, template, registry) comes
// near this size: a larger one is damaged, and reading it would take minutes and gigabytes for nothing.
constexpr unsigned long long largestReadFile = 16ULL << 20;

// Reads the whole file, opened for reading only. Anything but a regular file (a folder, a FIFO, a device)
// is refused with access denied, and a file larger than largestReadFile as too large, at once.
FileReadResult ReadFileBytes(const std::string& path);

// The file's size in bytes, or nothing when it cannot be looked at.
std::optional<unsigned long long> FileSize(const std::string& path);

// True when the file has no write permission at all, or this user may not write it.
bool IsReadOnly(const std::string& path);

// True when files may be made, renamed and removed in the folder.
bool IsWritableFolder(const std::string& folder);

// Changes single bytes of an existing file in place, each at its offset from the start; offsets at or
// beyond the file's end are left out, so the file keeps its length. A file that is missing or read-only
// is refused with its cause and left as it was.
FileFailure PatchFileBytes(const std::string& path, const std::vector<std::pair<size_t, char>>& bytes);

// Replaces the file with bytes in one step: a temporary file in the same folder is written, flushed
// and renamed over it, so the file is either the old one or the new one, never half-written. A file
// that may not be written (read-only) is refused with access denied, as opening it for writing would be;
// so is a file that cannot be looked at. The new file keeps the old one's permissions, owner and group
// (a new file made by root takes the folder's owner and group), and the folder is flushed after the
// rename. The temporary file is named ".quorva-" and six more characters. A failure names its step:
// opening (looking at the file or making the temporary one), writing, flushing (the file, or the
// folder after the rename) or replacing.
FileFailure WriteFileAtomically(const std::string& path, const std::string& bytes);

// Removes the temporary files of replacements that never finished (a crash, a kill) from the folder:
// regular files of the temporary files' naming, untouched for a minute, so a replacement still in
// progress keeps its own.
void RemoveStaleTemporaryFiles(const std::string& folder);
