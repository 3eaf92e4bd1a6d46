// Built into a copy of lexitor-words for tests: with
// LEXITOR_KILL_AFTER_CHANGE=N it kills itself, as a power cut or a kill
// would, right after the N-th name it adds, removes or replaces in the file
// system (link, unlink, rename and their kin, from any library). A test runs
// it for N = 1, 2, ... and so stops it between every two steps that are seen
// on disk.

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace {

long changeToKillAfter() {
    static const long n = [] {
        const char* text = std::getenv("LEXITOR_KILL_AFTER_CHANGE");
        return text ? std::atol(text) : 0L;
    }();
    return n;
}

int changed(long result) {
    static long changes = 0;
    if (result == 0 && ++changes == changeToKillAfter())
        ::kill(::getpid(), SIGKILL);
    return int(result);
}

} // namespace

extern "C" {

int unlinkat(int dir, const char* path, int flags) {
    return changed(::syscall(SYS_unlinkat, dir, path, flags));
}
int unlink(const char* path) {
    return unlinkat(AT_FDCWD, path, 0);
}
int rmdir(const char* path) {
    return unlinkat(AT_FDCWD, path, AT_REMOVEDIR);
}
int remove(const char* path) {
    return unlink(path) == 0 ? 0 : rmdir(path);
}
int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    return changed(::syscall(SYS_renameat2, fromDir, from, toDir, to, flags));
}
int renameat(int fromDir, const char* from, int toDir, const char* to) {
    return renameat2(fromDir, from, toDir, to, 0);
}
int rename(const char* from, const char* to) {
    return renameat2(AT_FDCWD, from, AT_FDCWD, to, 0);
}
int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    return changed(::syscall(SYS_linkat, fromDir, from, toDir, to, flags));
}
int link(const char* from, const char* to) {
    return linkat(AT_FDCWD, from, AT_FDCWD, to, 0);
}

} // extern "C"
