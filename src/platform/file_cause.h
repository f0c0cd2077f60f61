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
