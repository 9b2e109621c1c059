#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/TemporaryFiles.h"

namespace lumora {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The file a link points to, so that replacing it keeps the link; the path itself otherwise.
std::string ResolveTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
        realpath(path.c_str(), resolved)) {
        return resolved;
    }
    return path;
}

// The folder that holds `path`: "." for a bare name.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

mode_t CurrentUmask() {
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveTarget(path);

    // Held until it has its final name, so a start that cleans up never takes it for one a
    // crash left (TemporaryFiles.h).
    std::string temporary = target + ".XXXXXX";
    int fd = CreateHeldTemporaryFile(temporary);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    mode_t mode =
        stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0 &&
              rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    ok = close(fd) == 0 && ok;
    if (!ok) {
        return false;
    }
    // Make the rename itself durable; the new content is in place whatever this returns.
    int dir = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

void RemoveStaleReplacements(const std::string& path) {
    // Replacements are made beside the file a link points to, so that is where they are left.
    const std::string target = ResolveTarget(path);
    const std::string name = target.substr(target.rfind('/') + 1);  // npos + 1 is 0
    RemoveStaleTemporaryFiles(FolderOf(target), name + ".");
}

}  // namespace lumora
