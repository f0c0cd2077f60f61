#include "platform/file_system.h"

#include "platform/host_path.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file without any write permission counts as read-only even for a user who could override it.
bool IsReadOnlyFile(const struct stat& info, const std::string& hostPath) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(hostPath.c_str(), W_OK) != 0;
}

int WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(written);
    }
    return 0;
}

std::string FolderOf(const std::string& hostPath) {
    size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? std::string() : hostPath.substr(0, slash + 1);
}

constexpr std::string_view temporaryPrefix = ".quorva-";
constexpr size_t temporarySuffixLength = 6;
// A write in progress, of this process or another, finishes well within this many seconds.
constexpr time_t temporaryFileLifetime = 60;

std::string TemporaryTemplate(const std::string& folder) {
    return folder + std::string(temporaryPrefix) + std::string(temporarySuffixLength, 'X');
}

bool IsTemporaryName(std::string_view name) {
    return name.size() == temporaryPrefix.size() + temporarySuffixLength && name.starts_with(temporaryPrefix);
}

// The replaced file's owner and group, or for a new file made by root the folder's, so a run as root
// never takes a file over from the user the service runs as. Without the right to give a file away, the
// file stays with whoever wrote it.
int TakeOwner(int fd, const struct stat& owner) {
    return fchown(fd, owner.st_uid, owner.st_gid) == 0 || errno == EPERM ? 0 : errno;
}

// Makes the rename itself durable: without it a power cut can bring back the old file after the new one
// was reported written. A file system that cannot flush a folder has nothing to flush.
FileFailure FlushFolder(const std::string& folder) {
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FailureFromErrno(FileStep::Flush, errno);
    FileFailure failure;
    if (fsync(fd) != 0 && errno != EINVAL)
        failure = FailureFromErrno(FileStep::Flush, errno);
    close(fd);
    return failure;
}

} // namespace

FileCause FindFile(const std::string& path) {
    if (path.empty())
        return CauseFileNotFound;
    struct stat info;
    if (stat(HostPath(path).c_str(), &info) == 0)
        return CauseNone;
    int error = HostPathError(errno);
    return error == ENOENT || error == ENOTDIR ? CauseFileNotFound : CauseFromErrno(error);
}

bool PathExists(const std::string& path) {
    return FindFile(path) != CauseFileNotFound;
}

FileReadResult ReadFileBytes(const std::string& path) {
    FileReadResult result;
    std::string host = HostPath(path);
    // Not blocking, so a FIFO of that name is refused instead of waiting for a writer.
    int fd = open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.cause = CauseFromErrno(HostPathError(errno));
        return result;
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        result.cause = CauseFromErrno(errno);
        close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode) || static_cast<unsigned long long>(info.st_size) > largestReadFile) {
        close(fd);
        result.cause = S_ISREG(info.st_mode) ? CauseTooLarge : CauseAccessDenied;
        return result;
    }
    // Read straight into the text, sized for the whole file, one more byte to see its end at once.
    size_t done = 0;
    result.bytes.resize(static_cast<size_t>(info.st_size) + 1);
    for (;;) {
        if (done == result.bytes.size()) {
            // Grown while read.
            if (done > largestReadFile) {
                result.cause = CauseTooLarge;
                done = 0;
                break;
            }
            result.bytes.resize(done * 2);
        }
        ssize_t got = read(fd, result.bytes.data() + done, result.bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.cause = CauseFromErrno(errno);
            done = 0;
            break;
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    result.bytes.resize(done);
    close(fd);
    return result;
}

std::optional<unsigned long long> FileSize(const std::string& path) {
    struct stat info;
    if (stat(HostPath(path).c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<unsigned long long>(info.st_size);
}

FileFailure WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string host = HostPath(path);
    // A settings file kept elsewhere through a link is replaced where it really is; the link stays.
    if (char* target = realpath(host.c_str(), nullptr)) {
        host = target;
        free(target);
    }
    std::string folder = FolderOf(host);
    mode_t mode = 0666;
    struct stat info;
    std::optional<struct stat> owner;
    if (stat(host.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode) || IsReadOnlyFile(info, host))
            return {CauseAccessDenied, FileStep::Open, 0};
        mode = info.st_mode & 07777;
        owner = info;
    } else if (int error = HostPathError(errno); error != ENOENT) {
        // Not known to be absent: a new file could stand beside the stored one under another case.
        return FailureFromErrno(FileStep::Open, error);
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
        if (geteuid() == 0 && stat(folder.empty() ? "." : folder.c_str(), &info) == 0)
            owner = info;
    }
    std::string temp = TemporaryTemplate(folder);
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return FailureFromErrno(FileStep::Open, errno);
    FileStep step = FileStep::Write;
    int error = WriteAll(fd, bytes);
    if (error == 0 && owner)
        error = TakeOwner(fd, *owner);
    if (error == 0 && fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && fsync(fd) != 0) {
        step = FileStep::Flush;
        error = errno;
    }
    // A file system that writes back late may report the write failure only here.
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temp.c_str(), host.c_str()) != 0) {
        step = FileStep::Replace;
        error = errno;
    }
    if (error != 0) {
        unlink(temp.c_str());
        return FailureFromErrno(step, error);
    }
    return FlushFolder(folder);
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
    std::string host = HostPath(folder);
    DIR* listing = opendir(host.c_str());
    if (!listing)
        return;
    std::string prefix = host.ends_with('/') ? host : host + "/";
    time_t cutoff = time(nullptr) - temporaryFileLifetime;
    while (const dirent* entry = readdir(listing)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        std::string path = prefix + entry->d_name;
        struct stat info;
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < cutoff)
            unlink(path.c_str());
    }
    closedir(listing);
}

bool IsReadOnly(const std::string& path) {
    std::string host = HostPath(path);
    struct stat info;
    return stat(host.c_str(), &info) == 0 && IsReadOnlyFile(info, host);
}

bool IsWritableFolder(const std::string& folder) {
    return access(HostPath(folder).c_str(), W_OK | X_OK) == 0;
}

FileFailure PatchFileBytes(const std::string& path, const std::vector<std::pair<size_t, char>>& bytes) {
    std::string host = HostPath(path);
    int fd = open(host.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return FailureFromErrno(FileStep::Open, HostPathError(errno));
    struct stat info;
    FileFailure failure;
    if (fstat(fd, &info) != 0)
        failure = FailureFromErrno(FileStep::Open, errno);
    else if (S_ISDIR(info.st_mode) || IsReadOnlyFile(info, host))
        failure = {CauseAccessDenied, FileStep::Open, 0};
    for (size_t k = 0; failure.cause == CauseNone && k < bytes.size(); ++k) {
        auto [offset, value] = bytes[k];
        if (offset >= static_cast<size_t>(info.st_size))
            continue;
        while (pwrite(fd, &value, 1, static_cast<off_t>(offset)) != 1) {
            if (errno != EINTR) {
                failure = FailureFromErrno(FileStep::Write, errno);
                break;
            }
        }
    }
    if (close(fd) != 0 && failure.cause == CauseNone)
        failure = FailureFromErrno(FileStep::Write, errno);
    return failure;
}
