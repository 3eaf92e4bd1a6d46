#include "store/detail/Companions.h"

#include "store/detail/Connection.h"
#include "store/detail/LockWait.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <vector>

namespace lexitor::store {

namespace {

// SQLite's lock bytes: in the database file the RESERVED byte follows the
// PENDING byte, and the SHARED range follows it; in a -shm file, byte 128
// is held by every connection that has the database open in WAL mode.
constexpr off_t kReservedByte = 0x40000001;
constexpr off_t kSharedSize = 510;
constexpr off_t kWalInUseByte = 128;

const QByteArray kJournalMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);

QByteArray head(const std::string& path, qint64 bytes, qint64 at = 0) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || !file.seek(at)) {
        return {};
    }
    return file.read(bytes);
}

// Whether a companion is there that SQLite would apply.
bool applicable(const std::string& path, const std::string& suffix) {
    const QByteArray start = head(path + suffix, 8);
    if (suffix == "-journal") {
        return start == kJournalMagic;
    }
    return start.size() == 8 && start.startsWith(QByteArray("\x37\x7f\x06", 3)) &&
           (start[3] == '\x82' || start[3] == '\x83');
}

// Whether another process holds a lock on the bytes that conflicts with a
// lock of `type`. (The descriptor is closed at once; this runs only while
// this process holds no lock on the file.)
bool lockedElsewhere(const std::string& path, short type, off_t start, off_t length) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct flock probe {};
    probe.l_type = type;
    probe.l_whence = SEEK_SET;
    probe.l_start = start;
    probe.l_len = length;
    const bool held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

// What a file holds, as far as it can be read.
struct Snapshot {
    bool sound = false; // opens and passes SQLite's integrity check
    std::vector<std::string> schema;
    std::map<std::string, std::map<long long, FieldValue>> words; // table -> rowid -> word
    // From the header: SQLite's count of commits, and ours of changes begun.
    std::uint32_t commits = 0;
    std::uint32_t changes = 0;
};

std::uint32_t headerNumber(const std::string& path, qint64 at) {
    const QByteArray bytes = head(path, 4, at);
    std::uint32_t value = 0;
    for (const char byte : bytes) {
        value = value << 8 | static_cast<unsigned char>(byte);
    }
    return value;
}

Snapshot snapshot(const std::string& path, bool immutable) {
    Snapshot taken;
    try {
        Connection connection(path, path, immutable ? "being checked" : "", immutable);
        {
            Query check(connection.statement("PRAGMA integrity_check"));
            taken.sound = check->step() && check->text(0) == std::string("ok");
        }
        std::vector<std::string> tables;
        {
            Query query(connection.statement(
                "SELECT type, name, tbl_name, sql FROM sqlite_schema ORDER BY type, name"));
            while (query->step()) {
                taken.schema.push_back(
                    query->text(0).value_or("") + '|' + query->text(1).value_or("") + '|' +
                    query->text(2).value_or("") + '|' + query->text(3).value_or(""));
                if (query->text(0) == std::string("table")) {
                    tables.push_back(query->text(1).value_or(""));
                }
            }
        }
        for (const std::string& table : tables) {
            Query has(connection.statement(
                "SELECT 1 FROM pragma_table_info(?) WHERE name='word' COLLATE NOCASE"));
            has->bind(1, table);
            if (!has->step()) {
                continue;
            }
            Query rows(connection.statement("SELECT rowid, word FROM " + quotedName(table)));
            auto& words = taken.words[table];
            while (rows->step()) {
                words[rows->integer(0)] = rows->text(1);
            }
        }
    } catch (const EngineError&) {
        taken.sound = false;
    }
    taken.commits = headerNumber(path, 24);
    taken.changes = headerNumber(path, 60);
    return taken;
}

// No writer of ours ever changes a row's word, so a companion of this file
// leaves every word it shares by rowid with the file alone as it was.
bool sameWords(const Snapshot& a, const Snapshot& b) {
    for (const auto& [table, words] : a.words) {
        const auto other = b.words.find(table);
        if (other == b.words.end()) {
            continue;
        }
        for (const auto& [rowId, word] : words) {
            const auto it = other->second.find(rowId);
            if (it != other->second.end() && it->second != word) {
                return false;
            }
        }
    }
    return true;
}

// A rolled-back journal gives back page 1 as it was before its change
// (every change of ours journals it first): each count in its header is
// then that of the file alone, or one below it.
bool belongs(const Snapshot& alone, const Snapshot& repaired, bool journal) {
    if (!repaired.sound) {
        return false;
    }
    const auto oneChangeApart = [](std::uint32_t file, std::uint32_t before) {
        return file == before || file == before + 1;
    };
    if (journal && (!oneChangeApart(alone.commits, repaired.commits) ||
                    !oneChangeApart(alone.changes, repaired.changes))) {
        return false;
    }
    // A file caught in the middle of a change may not read at all alone.
    return !alone.sound || (alone.schema == repaired.schema && sameWords(alone, repaired));
}

std::string fileName(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

void setAside(const std::string& path, const std::vector<std::string>& found) {
    const QString file = QFileInfo(QString::fromStdString(path)).fileName();
    for (const std::string& suffix : found) {
        const QString from = QString::fromStdString(path + suffix);
        const QString journal = QFileInfo(from).fileName();
        QString to = from + QStringLiteral(".foreign");
        for (int n = 2; QFileInfo::exists(to); ++n) {
            to = from + QStringLiteral(".foreign-%1").arg(n);
        }
        if (!QFile::rename(from, to)) {
            throw EngineError(QStringLiteral("'%1' beside '%2' does not belong to it, and cannot "
                                             "be set aside. Move it out of the folder and try "
                                             "again.")
                                  .arg(journal, file)
                                  .toStdString());
        }
        notify(QStringLiteral("'%1' beside '%2' holds changes that do not belong to it (another "
                              "file's, or damaged ones). It was not applied, and is kept as "
                              "'%3'; the words of '%2' are as they were.")
                   .arg(journal, file, QFileInfo(to).fileName())
                   .toStdString());
    }
}

} // namespace

void checkCompanions(const std::string& path, const std::string& name, bool canFinish) {
    std::vector<std::string> found;
    for (const std::string suffix : {"-journal", "-wal"}) {
        struct stat st {};
        // By mode bits too: a superuser reads anything, but nobody is meant to.
        if (::stat((path + suffix).c_str(), &st) == 0 &&
            ((st.st_mode & 0444) == 0 || ::access((path + suffix).c_str(), R_OK) != 0)) {
            throw EngineError("'" + fileName(path + suffix) + "' beside '" + name +
                              "' cannot be read (no permission), so '" + name +
                              "' cannot be opened safely. Give it read permission, or move it "
                              "out of the folder.");
        }
        if (applicable(path, suffix)) {
            found.push_back(suffix);
        }
    }
    if (found.empty() ||
        // A change running in another process right now: its journal is its own.
        lockedElsewhere(path, F_RDLCK, kReservedByte, 1 + kSharedSize) ||
        // The database open in write-ahead mode elsewhere: its log is in use.
        lockedElsewhere(path + "-shm", F_WRLCK, kWalInUseByte, 1)) {
        return;
    }
    if (!canFinish) {
        throw EngineError("'" + name + "' holds an unfinished change in '" +
                          fileName(path + found.front()) +
                          "' that cannot be finished, because the file or its folder is "
                          "read-only.");
    }
    QTemporaryDir scratch;
    const std::string copy = scratch.filePath(QStringLiteral("copy.mdb")).toStdString();
    bool copied = scratch.isValid() &&
                  QFile::copy(QString::fromStdString(path), QString::fromStdString(copy));
    for (const std::string& suffix : found) {
        copied = copied && QFile::copy(QString::fromStdString(path + suffix),
                                       QString::fromStdString(copy + suffix));
    }
    if (!copied) {
        throw EngineError("'" + name +
                          "' has a journal file beside it that cannot be checked: "
                          "there is no room for a copy in the temporary folder.");
    }
    const Snapshot alone = snapshot(path, true);
    const Snapshot repaired = snapshot(copy, false);
    if (belongs(alone, repaired, found.front() == "-journal")) {
        return;
    }
    if (!alone.sound) {
        throw EngineError("'" + name +
                          "' is damaged, and the journal file beside it does not "
                          "repair it.");
    }
    setAside(path, found);
}

} // namespace lexitor::store
