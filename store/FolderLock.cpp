#include "store/FolderLock.h"

#include "store/FileKind.h"
#include "store/MessageText.h"

#include <QDir>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace lexitor::store {

namespace {

// A forked child (the Jet reader) would share the lock for as long as it
// lives; it lets go of it at once.
std::atomic<int> heldDescriptor{-1};

void letGoInChild() {
    if (const int fd = heldDescriptor.load(); fd >= 0)
        ::close(fd);
}

std::string whoWe() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    // The lines QLockFile writes, so that an older Lexitor reads them too.
    return std::to_string(::getpid()) + "\n" + program_invocation_short_name + "\n" + host + "\n";
}

std::string removeAdvice(const std::string& path) {
    return " If no Lexitor and no lexitor-words is working on this folder (on this computer or "
           "another one), remove '" +
           path + "' and start again.";
}

} // namespace

FolderLock::FolderLock(const QString& folder) {
    static const bool registered = pthread_atfork(nullptr, nullptr, &letGoInChild) == 0;
    (void)registered;
    take(QDir(folder).filePath(QStringLiteral("lexitor.lock")).toStdString());
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        int held = fd_;
        heldDescriptor.compare_exchange_strong(held, -1);
        ::close(fd_); // the file stays; the lock goes with the descriptor
    }
}

void FolderLock::take(const std::string& path) {
    struct stat st {};
    const bool there = ::lstat(path.c_str(), &st) == 0;
    if (there && !S_ISREG(st.st_mode)) {
        const std::string what = S_ISLNK(st.st_mode) ? "'" + path + "' is a symbolic link, not a file."
                                                     : *notARegularFile(path);
        problem_ = what + " Lexitor keeps its lock in that file, so it cannot make sure that "
                          "no other program changes these words meanwhile." +
                   removeAdvice(path);
        return;
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        const int error = errno;
        problem_ = sentence("Lexitor cannot open or make its lock file '" + path +
                            "': " + std::strerror(error)) +
                   " So it cannot make sure that no other program changes these words "
                   "meanwhile.";
        if (there)
            problem_ += removeAdvice(path);
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK) {
            state_ = State::Taken;
            char said[512] = {};
            ::pread(fd_, said, sizeof said - 1, 0);
            const std::string lines(said);
            takenByWordTool_ = lines.find("\nlexitor-words\n") != std::string::npos;
        } else {
            problem_ = sentence("The folder's file system cannot lock '" + path +
                                "': " + std::strerror(error)) +
                       " So Lexitor cannot make sure that no other program changes these words "
                       "meanwhile.";
        }
        ::close(fd_);
        fd_ = -1;
        return;
    }
    state_ = State::Held;
    heldDescriptor = fd_;
    // Only for the messages of others: a full disk may keep it unwritten.
    const std::string lines = whoWe();
    if (::ftruncate(fd_, 0) == 0)
        (void)!::pwrite(fd_, lines.data(), lines.size(), 0);
}

} // namespace lexitor::store
