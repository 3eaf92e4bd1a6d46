#pragma once
// The lock that keeps one Lexitor, or one writing lexitor-words, at a time
// in a word folder: an advisory lock (flock) on the file lexitor.lock
// there, held while the program works. The file stays in the folder and
// needs no room to be locked again; the lock itself lives only in the
// running system, so a power cut, a killed program or a copy of the folder
// to another computer leaves nobody locked out. What the file says (which
// program, which process, which computer) only serves the messages. The
// store does not rely on the lock: changes by other writers are noticed all
// the same.

#include <QString>

#include <string>

namespace lexitor::store {

class FolderLock {
public:
    enum class State {
        Held,       // this process has the folder
        Taken,      // another running program has it
        Unavailable // no lock can be had there: see problem()
    };

    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }
    // When Taken: whether lexitor-words has it, rather than Lexitor.
    bool takenByWordTool() const { return takenByWordTool_; }
    // When Unavailable: why, and what the user can do about it, in
    // sentences naming the lock file.
    const std::string& problem() const { return problem_; }

private:
    void take(const std::string& path);

    int fd_ = -1;
    State state_ = State::Unavailable;
    bool takenByWordTool_ = false;
    std::string problem_;
};

} // namespace lexitor::store
