#include "store/detail/Failure.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace lexitor::store {

namespace {

using Kind = RecoverableError::Kind;

std::string quoted(const std::string& name) {
    return "'" + name + "'";
}

bool diskFull(int code, int errorNumber) {
    return (code & 0xff) == SQLITE_FULL ||
           ((code & 0xff) == SQLITE_IOERR &&
            (errorNumber == ENOSPC || errorNumber == EDQUOT || errorNumber == EFBIG));
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
    if (diskFull(rc, errorNumber)) {
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
            throw EngineError(file + " holds an unfinished change that cannot be finished, "
                                     "because the file or its folder is read-only.");
        }
        throw readOnlyError(name, "the file or its folder is read-only");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw EngineError(file + " is damaged: its words cannot be read (" + detail + ").");
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        throw EngineError("Cannot read or write " + file + ": " +
                          (errorNumber ? std::strerror(errorNumber) : detail) + ".");
    default:
        throw EngineError("Database " + file + ": " + detail + ".");
    }
}

} // namespace lexitor::store
