#include "platform/file_cause.h"

#include <cerrno>

FileCause CauseFromErrno(int error) {
    switch (error) {
    case 0:
        return CauseNone;
    case ENOENT:
        return CauseFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return CauseBadPath;
    case EMFILE:
    case ENFILE:
        return CauseTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return CauseAccessDenied;
    case EBADF:
        return CauseInvalidFile;
    case ENOSPC:
        return CauseDiskFull;
    case EIO:
        return CauseHardIO;
    case ETXTBSY:
    case EBUSY:
        return CauseSharingViolation;
    default:
        return CauseGeneric;
    }
}

FileFailure FailureFromErrno(FileStep step, int error) {
    return {CauseFromErrno(error), step, error};
}
