#include "platform/write_check.h"

#include "platform/file_system.h"
#include "platform/host_path.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileCause CheckReplaceable(const std::string& path) {
    std::string host = HostPath(path);
    // A file reached through a link is replaced where it really is, so that is the folder to try.
    if (char* target = realpath(host.c_str(), nullptr)) {
        host = target;
        free(target);
    }
    struct stat info;
    if (stat(host.c_str(), &info) == 0 && (S_ISDIR(info.st_mode) || IsReadOnly(host)))
        return CauseAccessDenied;
    size_t slash = host.rfind('/');
    return FolderTakesNewFile(slash == std::string::npos ? std::string(".") : host.substr(0, slash + 1));
}

FileCause FolderTakesNewFile(const std::string& hostFolder) {
    std::string probe = hostFolder + (hostFolder.ends_with('/') ? "" : "/") + ".quorva-XXXXXX";
    int fd = mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0)
        return CauseFromErrno(errno);
    close(fd);
    unlink(probe.c_str());
    return CauseNone;
}
