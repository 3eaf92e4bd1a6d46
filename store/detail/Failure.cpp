#include "store/detail/Failure.h"

#include "store/MessageText.h"

#include <sqlite3.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>

namespace lexitor::store {

namespace {

using Kind = RecoverableError::Kind;

std::string quoted(const std::string& name) {
    return "'" + name + "'";
}

// Whether the folder of the connection's file has no room for one more
// file: SQLite then cannot make a journal, and reports only that it cannot
// open one (its last try, for reading, leaves "no such file" behind).
bool folderFull(sqlite3* db) {
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    if (!file || !*file)
        return false;
    std::string folder(file);
    folder.erase(folder.find_last_of('/') + 1);
    struct statvfs room {};
    return ::statvfs(folder.c_str(), &room) == 0 && (room.f_bavail == 0 || room.f_favail == 0);
}

bool diskFull(sqlite3* db, int code, int errorNumber) {
    const int primary = code & 0xff;
    return primary == SQLITE_FULL ||
           ((primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) &&
            (errorNumber == ENOSPC || errorNumber == EDQUOT || errorNumber == EFBIG)) ||
           (primary == SQLITE_CANTOPEN && folderFull(db));
}

bool noPermission(int code, int errorNumber) {
    const int primary = code & 0xff;
    return primary == SQLITE_PERM || primary == SQLITE_AUTH ||
           ((primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) &&
            (errorNumber == EACCES || errorNumber == EPERM));
}

} // namespace

RecoverableError readOnlyError(const std::string& name, const std::string& why) {
    return RecoverableError(Kind::ReadOnly,
                            quoted(name) + " cannot be changed: " + why +
                                ". Its words can be quizzed and exported, but nothing can be "
                                "added, corrected or deleted.");
}

void throwFailure(sqlite3* db, int rc, const std::string& name) {
    const int errorNumber = db ? sqlite3_system_errno(db) : 0;
    const std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const std::string file = quoted(name);
    if (diskFull(db, rc, errorNumber)) {
        throw RecoverableError(Kind::DiskFull, "There is no room left on the disk for " + file +
                                                   ", so nothing was changed. Free some space "
                                                   "and try again.");
    }
    if (noPermission(rc, errorNumber)) {
        throw EngineError("Cannot use " + file + ": no permission (" +
                          std::strerror(errorNumber ? errorNumber : EACCES) + ").");
    }
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw RecoverableError(Kind::Busy, file + " is locked by another program that is using "
                                                  "it, so nothing was changed. Try again when "
                                                  "that program is done.");
    case SQLITE_READONLY:
        if (rc == SQLITE_READONLY_ROLLBACK || rc == SQLITE_READONLY_RECOVERY) {
            // Left by a writer that ended while this reader was open.
            throw RecoverableError(Kind::Busy,
                                   file + " holds an unfinished change of another program, "
                                          "which cannot be finished from here because the file "
                                          "or its folder is read-only. Try again once a program "
                                          "that may write there has opened it.");
        }
        throw readOnlyError(name, "the file or its folder is read-only");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw EngineError(file + " is damaged: its words cannot be read (" + detail + ").");
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        throw EngineError(sentence("Cannot read or write " + file + ": " +
                                   (errorNumber ? std::strerror(errorNumber) : detail)));
    default:
        throw EngineError(sentence("Database " + file + ": " + detail));
    }
}

} // namespace lexitor::store
