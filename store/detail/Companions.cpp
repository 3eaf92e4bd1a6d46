#include "store/detail/Companions.h"

#include "store/FileKind.h"
#include "store/detail/Connection.h"
#include "store/detail/FileCheck.h"
#include "store/detail/FileIdentity.h"
#include "store/detail/FolderAlias.h"
#include "store/detail/LockWait.h"
#include "store/detail/RollbackJournal.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <vector>

namespace lexitor::store {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string fileName(const std::string& path) {
    return QFileInfo(qs(path)).fileName().toStdString();
}

QByteArray head(const std::string& path, qint64 bytes, qint64 at = 0) {
    std::string why;
    const int fd = openRegularFile(path, why);
    if (fd < 0)
        return {};
    QByteArray read(static_cast<qsizetype>(bytes), '\0');
    const ssize_t got = ::pread(fd, read.data(), static_cast<std::size_t>(bytes), at);
    ::close(fd); // only companions and private copies: no lock of SQLite's on them
    return got == bytes ? read : QByteArray();
}

// Whether a write-ahead log is there that SQLite would apply.
bool walHeader(const std::string& path) {
    const QByteArray start = head(path, 4);
    return start.startsWith(QByteArray("\x37\x7f\x06", 3)) &&
           (start[3] == '\x82' || start[3] == '\x83');
}

// Whether SQLite itself calls the journal unfinished: one left by a program
// that ended in the middle of a change, which no running program holds.
// A connection that may only read says so instead of applying it.
bool unfinishedJournal(const std::string& path, const LockWait& wait) {
    const FolderAlias folder(path);
    sqlite3* opened = nullptr;
    sqlite3_open_v2(folder.sqliteName().c_str(), &opened, SQLITE_OPEN_READONLY, storeVfs());
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(opened, &sqlite3_close);
    sqlite3_extended_result_codes(db.get(), 1);
    sqlite3_busy_timeout(db.get(), static_cast<int>(wait.settings().lockWaitLimit.count()));
    return sqlite3_exec(db.get(), "PRAGMA schema_version", nullptr, nullptr, nullptr) ==
           SQLITE_READONLY_ROLLBACK;
}

// Whether another program has the file open in write-ahead mode, so that
// the log is its own. No call of SQLite's tells; SQLite documents the lock
// that every such connection holds on byte 128 of the -shm file (the
// unix VFS's WAL-index locks, in its description of the WAL file format).
bool logInUse(const std::string& path) {
    const int fd = ::open((path + "-shm").c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = 128;
    probe.l_len = 1;
    const bool held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

// What a copy of the file holds, as far as it can be read.
struct Snapshot {
    bool sound = false; // opens and passes SQLite's integrity check
    std::vector<std::string> schema; // without the store's own tables
    std::map<std::string, std::map<long long, FieldValue>> words; // table -> rowid -> word
    std::optional<FileIdentity> identity;
    long long identityPage = 0;
    std::uint32_t commits = 0; // SQLite's file change counter
};

Snapshot snapshot(const std::string& path) {
    Snapshot taken;
    try {
        Connection connection(path, path);
        taken.identity = readIdentity(connection);
        taken.identityPage = identityPage(connection);
        {
            Query check(connection.statement("PRAGMA integrity_check"));
            taken.sound = check->step() && check->text(0) == std::string("ok");
        }
        std::vector<std::string> tables;
        {
            Query query(connection.statement("SELECT type, name, tbl_name, sql FROM "
                                             "sqlite_schema WHERE tbl_name NOT LIKE 'lexitor\\_%' "
                                             "ESCAPE '\\' ORDER BY type, name"));
            while (query->step()) {
                taken.schema.push_back(
                    query->text(0).value_or("") + '|' + query->text(1).value_or("") + '|' +
                    query->text(2).value_or("") + '|' + query->text(3).value_or(""));
                if (query->text(0) == std::string("table"))
                    tables.push_back(query->text(1).value_or(""));
            }
        }
        for (const std::string& table : tables) {
            Query has(connection.statement(
                "SELECT 1 FROM pragma_table_info(?) WHERE name='word' COLLATE NOCASE"));
            has->bind(1, table);
            if (!has->step())
                continue;
            Query rows(connection.statement("SELECT rowid, word FROM " + quotedName(table)));
            auto& words = taken.words[table];
            while (rows->step())
                words[rows->integer(0)] = rows->text(1);
        }
    } catch (const EngineError&) {
        taken.sound = false;
    }
    const QByteArray counter = head(path, 4, 24);
    for (const char byte : counter)
        taken.commits = taken.commits << 8 | static_cast<unsigned char>(byte);
    return taken;
}

// No writer of ours ever changes a row's word, so a companion of this file
// leaves every word it shares by rowid with the file alone as it was.
bool sameWords(const Snapshot& a, const Snapshot& b) {
    for (const auto& [table, words] : a.words) {
        const auto other = b.words.find(table);
        if (other == b.words.end())
            continue;
        for (const auto& [rowId, word] : words) {
            const auto it = other->second.find(rowId);
            if (it != other->second.end() && it->second != word)
                return false;
        }
    }
    return true;
}

// Whether the companion, applied to the file (`repaired`), gives back the
// state the file had when the change it records began. The file alone is
// then that state with some pages of the change written, at most one
// commit on. A journal of the store's own holds the page of the file's
// identity row as the change found it; the file still holds that row, or
// the row the change wrote, which names this very journal's nonce.
// A journal of another program (no such page) is taken when the file alone
// is damaged, or when its copy of page 1 is at most one commit behind the
// file and it changes no word the file holds; a log of an older version
// when it changes no word either.
bool belongs(const Snapshot& alone, const Snapshot& repaired,
             const std::optional<JournalContent>& journal) {
    if (!repaired.sound)
        return false;
    if (journal && journal->pageOneCounter && alone.commits != *journal->pageOneCounter &&
        alone.commits != *journal->pageOneCounter + 1)
        return false;
    if (journal && alone.identity && repaired.identity &&
        journal->pages.contains(static_cast<std::uint32_t>(repaired.identityPage))) {
        const FileIdentity& was = *repaired.identity;
        const FileIdentity& now = *alone.identity;
        return was.id == now.id &&
               (was == now || (now.changes == was.changes + 1 && now.journal == journal->nonce));
    }
    if (alone.identity && repaired.identity && !(*alone.identity == *repaired.identity))
        return false;
    // A file caught in the middle of a change may not read at all alone:
    // the journal is then the only way back to a whole file.
    if (!alone.sound)
        return true;
    if (journal && !journal->pageOneCounter)
        return false; // nothing in it ties it to this file
    return alone.schema == repaired.schema && sameWords(alone, repaired);
}

void setAside(const std::string& path, const std::vector<std::string>& found,
                     const LockWait& notices) {
    const QString file = QFileInfo(qs(path)).fileName();
    for (const std::string& suffix : found) {
        const QString from = qs(path + suffix);
        const QString journal = QFileInfo(from).fileName();
        QString to = from + QStringLiteral(".foreign");
        for (int n = 2; QFileInfo::exists(to); ++n)
            to = from + QStringLiteral(".foreign-%1").arg(n);
        if (!QFile::rename(from, to)) {
            throw EngineError(QStringLiteral("'%1' beside '%2' does not belong to it, and cannot "
                                             "be set aside. Move it out of the folder and try "
                                             "again.")
                                  .arg(journal, file)
                                  .toStdString());
        }
        notices.notify(QStringLiteral("'%1' beside '%2' holds changes that do not belong to it "
                                      "(another file's, or damaged ones). It was not applied, "
                                      "and is kept as '%3'; the words of '%2' are as they were.")
                           .arg(journal, file, QFileInfo(to).fileName())
                           .toStdString());
    }
}

} // namespace

std::optional<PrivateCopy> checkCompanions(const WordFile& file, const std::string& name,
                                           const LockWait& notices) {
    const std::string& path = file.path;
    std::vector<std::string> found;
    for (const std::string suffix : {"-journal", "-wal", "-shm"}) {
        const std::string companion = path + suffix;
        if (const auto refused = notARegularFile(companion)) {
            throw EngineError(*refused + " It stands beside '" + name +
                              "' in the place of its journal, so '" + name +
                              "' cannot be opened safely. Move it out of the folder.");
        }
        struct stat st {};
        if (suffix == "-shm" || ::stat(companion.c_str(), &st) != 0)
            continue;
        // By mode bits too: a superuser reads anything, but nobody is meant to.
        if ((st.st_mode & 0444) == 0 || ::access(companion.c_str(), R_OK) != 0) {
            throw EngineError("'" + fileName(companion) + "' beside '" + name +
                              "' cannot be read (no permission), so '" + name +
                              "' cannot be opened safely. Give it read permission, or move it "
                              "out of the folder.");
        }
        if (suffix == "-journal" ? readJournal(companion) && unfinishedJournal(path, notices)
                                 : walHeader(companion) && !logInUse(path))
            found.push_back(suffix);
    }
    const bool canFinish = file.readOnly.empty();
    if (found.empty() && (canFinish || !file.writeAheadMode))
        return std::nullopt;

    auto scratch = std::make_shared<QTemporaryDir>();
    const std::string alone = scratch->filePath(QStringLiteral("alone.mdb")).toStdString();
    const std::string copy = scratch->filePath(QStringLiteral("copy.mdb")).toStdString();
    bool copied = scratch->isValid() && QFile::copy(qs(path), qs(alone)) &&
                  QFile::copy(qs(path), qs(copy));
    for (const std::string& suffix : found)
        copied = copied && QFile::copy(qs(path + suffix), qs(copy + suffix));
    if (!copied) {
        throw EngineError("'" + name +
                          "' has a journal file beside it that cannot be checked: "
                          "there is no room for a copy in the temporary folder.");
    }
    if (found.empty()) {
        // A file in write-ahead mode cannot be read in place without writing
        // beside it; where that is not allowed, a copy of it is read.
        return PrivateCopy{copy, scratch, file.readOnly};
    }
    const auto journal = found.front() == "-journal" ? readJournal(path + "-journal")
                                                     : std::optional<JournalContent>();
    const Snapshot before = snapshot(alone);
    const Snapshot repaired = snapshot(copy);
    const std::string companion = fileName(path + found.front());
    if (belongs(before, repaired, journal)) {
        if (canFinish)
            return std::nullopt; // SQLite applies it as it opens the file
        notices.notify("'" + name + "' holds an unfinished change in '" + companion +
                       "' that cannot be finished here, because " + file.readOnly +
                       ". Its words are read as they were before that change.");
        return PrivateCopy{copy, scratch, file.readOnly};
    }
    if (!before.sound) {
        throw EngineError("'" + name +
                          "' is damaged, and the journal file beside it does not "
                          "repair it.");
    }
    if (canFinish) {
        setAside(path, found, notices);
        return std::nullopt;
    }
    notices.notify("'" + companion + "' beside '" + name +
                   "' holds changes that do not belong to it. It was not applied, and cannot "
                   "be set aside here, because " +
                   file.readOnly + "; the words of '" + name + "' are read as they are.");
    return PrivateCopy{alone, scratch, file.readOnly};
}

} // namespace lexitor::store
