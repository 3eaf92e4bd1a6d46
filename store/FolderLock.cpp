#include "store/FolderLock.h"

#include <QDir>

namespace lexitor::store {

FolderLock::FolderLock(const QString& folder)
    : lock_(QDir(folder).filePath(QStringLiteral("lexitor.lock"))) {
    // Held for as long as the program runs, never taken over by age.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0)) {
        state_ = State::Held;
    } else if (lock_.error() == QLockFile::LockFailedError) {
        state_ = State::Taken;
        qint64 pid = 0;
        QString host;
        QString program; // its executable's name
        lock_.getLockInfo(&pid, &host, &program);
        takenByWordTool_ = program == QStringLiteral("lexitor-words");
    }
}

} // namespace lexitor::store
