#include "store/WordRecord.h"

#include "store/detail/Connection.h"
#include "store/detail/FileIdentity.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lexitor::store {

const LevelDatabase& levelDatabase(int level) {
    if (level < 0 || level >= kLevelCount) {
        throw EngineError("There is no level " + std::to_string(level) +
                          "; levels are 0, 1 and 2.");
    }
    return kLevels[static_cast<std::size_t>(level)];
}

const LevelDatabase& levelDatabaseForEditorCode(int code) {
    if (code < 1 || code > kLevelCount) {
        throw EngineError("There is no editor level code " + std::to_string(code) +
                          "; codes are 1, 2 and 3.");
    }
    return kLevels[static_cast<std::size_t>(code - 1)];
}

void createLevelDatabase(const std::string& path, int level) {
    const LevelDatabase& db = levelDatabase(level);
    // O_EXCL: an existing file, even one made a moment ago, is never overwritten.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        if (error == EEXIST) {
            throw EngineError("'" + path + "' already exists; it is not overwritten.");
        }
        throw EngineError("Cannot create '" + path + "': " + std::strerror(error) + ".");
    }
    ::close(fd);
    try {
        Connection connection(path, path);
        const std::string table(db.table);
        connection.exec("BEGIN");
        connection.exec("CREATE TABLE " + table + " (" + fieldList(", ", " TEXT") + ")");
        // The index in the file is for other programs, which find a word by
        // it in the plain sqlite3 shell. The store never reads it: its own
        // order and Seek (IndexKey.h) follow the word rule of WordRules.h
        // (Unicode blanks trimmed, NFC, case-folded), which SQLite cannot
        // state without a function or collation of ours; an index on one
        // would make every change to the file fail in any program that
        // lacks it, the shell included. So the two agree on plain ASCII
        // words, and the file's index orders other words by their bytes.
        connection.exec("CREATE INDEX " + std::string(db.index) + " ON " + table +
                        " (trim(word) COLLATE NOCASE)");
        makeIdentity(connection);
        connection.exec("COMMIT");
    } catch (...) {
        ::unlink(path.c_str());
        throw;
    }
}

} // namespace lexitor::store
