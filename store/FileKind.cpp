#include "store/FileKind.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lexitor::store {

namespace {

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Other;
}

std::string whatItIs(FileKind kind) {
    switch (kind) {
    case FileKind::Folder:
        return "a folder";
    case FileKind::Fifo:
        return "a named pipe (FIFO)";
    case FileKind::Device:
        return "a device";
    case FileKind::Socket:
        return "a socket";
    default:
        return "not a regular file";
    }
}

std::string refusal(const std::string& path, FileKind kind) {
    return "'" + path + "' is " + whatItIs(kind) + ", not a file.";
}

} // namespace

FileKind fileKind(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return FileKind::Missing;
    return kindOf(st.st_mode);
}

std::optional<std::string> notARegularFile(const std::string& path) {
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Missing || kind == FileKind::Regular)
        return std::nullopt;
    return refusal(path, kind);
}

int openRegularFile(const std::string& path, std::string& why) {
    // A device is not even opened: opening some has effects of its own.
    if (auto refused = notARegularFile(path)) {
        why = *refused;
        return -1;
    }
    // O_NONBLOCK keeps open() from waiting for a FIFO's writer; the kind is
    // then read from the descriptor itself, so nothing can be swapped in
    // between the look and the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        why = "Cannot open '" + path + "': " + std::strerror(errno) + ".";
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = refusal(path, ::fstat(fd, &st) == 0 ? kindOf(st.st_mode) : FileKind::Other);
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace lexitor::store
