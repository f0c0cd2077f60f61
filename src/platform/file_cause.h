#pragma once

// Why a file could not be opened, in the order of the file-open message's cause texts; the last is
// Quorva's own, for a file far beyond the size any file it reads reaches.
enum FileCause : int {
    CauseNone = 0,
    CauseGeneric = 1,
    CauseFileNotFound = 2,
    CauseBadPath = 3,
    CauseTooManyOpenFiles = 4,
    CauseAccessDenied = 5,
    CauseInvalidFile = 6,
    CauseRemoveCurrentDir = 7,
    CauseDirectoryFull = 8,
    CauseBadSeek = 9,
    CauseHardIO = 10,
    CauseSharingViolation = 11,
    CauseLockViolation = 12,
    CauseDiskFull = 13,
    CauseEndOfFile = 14,
    CauseTooLarge = 15,
};

// Maps an errno value of a failed open, read or write to its cause.
FileCause CauseFromErrno(int error);

// The step of a file operation that failed, as the operator is told it.
enum class FileStep { Open, Read, Write, Flush, Replace, List, MakeFolder };

// A failed file operation: its step, its cause, and the system's error number behind the cause (0 where
// the cause was found without one). A cause of CauseNone means that nothing failed.
struct FileFailure {
    FileCause cause = CauseNone;
    FileStep step = FileStep::Open;
    int error = 0;
};

// The failure of step with the errno value error.
FileFailure FailureFromErrno(FileStep step, int error);
