#include "platform/file_system.h"

#include "platform/host_path.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file without any write permission counts as read-only even for a user who could override it.
bool IsReadOnlyFile(const struct stat& info, const std::string& hostPath) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(hostPath.c_str(), W_OK) != 0;
}

FileCause WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return CauseFromErrno(errno);
        }
        done += static_cast<size_t>(written);
    }
    return CauseNone;
}

std::string FolderOf(const std::string& hostPath) {
    size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? std::string() : hostPath.substr(0, slash + 1);
}

} // namespace

bool PathExists(const std::string& path) {
    if (path.empty())
        return false;
    struct stat info;
    return stat(HostPath(path).c_str(), &info) == 0;
}

FileReadResult ReadFileBytes(const std::string& path) {
    FileReadResult result;
    std::string host = HostPath(path);
    int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.cause = CauseFromErrno(errno);
        return result;
    }
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        result.cause = CauseAccessDenied;
        return result;
    }
    char buffer[65536];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.cause = CauseFromErrno(errno);
            break;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return result;
}

FileCause WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string host = HostPath(path);
    // A settings file kept elsewhere through a link is replaced where it really is; the link stays.
    if (char* target = realpath(host.c_str(), nullptr)) {
        host = target;
        free(target);
    }
    mode_t mode = 0666;
    struct stat info;
    if (stat(host.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode) || IsReadOnlyFile(info, host))
            return CauseAccessDenied;
        mode = info.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    std::string temp = FolderOf(host) + ".quorva-XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return CauseFromErrno(errno);
    FileCause cause = WriteAll(fd, bytes);
    if (cause == CauseNone && fchmod(fd, mode) != 0)
        cause = CauseFromErrno(errno);
    if (cause == CauseNone && fsync(fd) != 0)
        cause = CauseFromErrno(errno);
    if (close(fd) != 0 && cause == CauseNone)
        cause = CauseFromErrno(errno);
    if (cause == CauseNone && rename(temp.c_str(), host.c_str()) != 0)
        cause = CauseFromErrno(errno);
    if (cause != CauseNone)
        unlink(temp.c_str());
    return cause;
}

bool IsReadOnly(const std::string& path) {
    std::string host = HostPath(path);
    struct stat info;
    return stat(host.c_str(), &info) == 0 && IsReadOnlyFile(info, host);
}

FileCause PatchFileBytes(const std::string& path, const std::vector<std::pair<size_t, char>>& bytes) {
    std::string host = HostPath(path);
    int fd = open(host.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return CauseFromErrno(errno);
    struct stat info;
    FileCause cause = CauseNone;
    if (fstat(fd, &info) != 0)
        cause = CauseFromErrno(errno);
    else if (S_ISDIR(info.st_mode) || IsReadOnlyFile(info, host))
        cause = CauseAccessDenied;
    for (size_t k = 0; cause == CauseNone && k < bytes.size(); ++k) {
        auto [offset, value] = bytes[k];
        if (offset >= static_cast<size_t>(info.st_size))
            continue;
        while (pwrite(fd, &value, 1, static_cast<off_t>(offset)) != 1) {
            if (errno != EINTR) {
                cause = CauseFromErrno(errno);
                break;
            }
        }
    }
    if (close(fd) != 0 && cause == CauseNone)
        cause = CauseFromErrno(errno);
    return cause;
}
