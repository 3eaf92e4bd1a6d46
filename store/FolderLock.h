#pragma once
// The lock that keeps one Lexitor, or one writing lexitor-words, at a time
// in a word folder: the file lexitor.lock there, held while it works. A
// lock left by a program that was killed is taken over. The store does not
// rely on it: changes by other writers are noticed all the same.

#include <QLockFile>
#include <QString>

namespace lexitor::store {

class FolderLock {
public:
    enum class State {
        Held,       // this process has the folder
        Taken,      // another running program has it
        Unavailable // no lock can be made there (a read-only folder)
    };

    explicit FolderLock(const QString& folder);
    State state() const { return state_; }
    // When Taken: whether lexitor-words has it, rather than Lexitor.
    bool takenByWordTool() const { return takenByWordTool_; }

private:
    QLockFile lock_;
    State state_ = State::Unavailable;
    bool takenByWordTool_ = false;
};

} // namespace lexitor::store
