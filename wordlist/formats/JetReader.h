#pragma once
// Reading the level table of a Jet database file (the .mdb format of Access
// 97 to 2003) with libmdb. The library runs in a child process, under a
// limit of CPU time and memory and a deadline that grows with the file, so
// that a damaged file that makes it crash, misread or loop for ever ends
// only that child and is reported as damaged.

#include "store/WordRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <vector>

namespace lexitor::wordlist {

// The file cannot be read, is damaged, or holds no such table; the text
// names the file and ends in a full stop.
class JetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A row whose value cannot be taken for text: a long text that leads to a
// page of the wrong kind or past its page, or text that does not decode.
struct DamagedRow {
    int row = 0;   // 1-based, in the table's order
    QString field; // the word field
    QString what;  // "points at page 12, which holds no long texts"
};

struct JetWords {
    QString table;           // as the file spells it
    QStringList otherFields; // fields besides the six word fields
    // Every row in the table's own order, texts as stored; the fields of a
    // damaged row are all null.
    std::vector<store::WordRecord> rows;
    std::vector<DamagedRow> damaged;
};

// What the reader child may use before it is stopped.
struct JetLimits {
    std::chrono::milliseconds time; // wall clock, and as much CPU time
    std::size_t memory;             // bytes of address space beyond the parent's
};

// Ten seconds and half a gigabyte, and more for a large file: two seconds
// and eight times its size per megabyte.
JetLimits jetLimits(qint64 fileSize);

// Whether the file starts like a Jet (or ACE) database. Only a regular file
// is looked into; a named pipe or a device is never opened.
bool isJetFile(const QString& path);

// One reading of a Jet file in its own child process, started by the
// constructor (the process should have a single thread then: see fork(2)).
// The destructor stops a child that is still running.
class JetReading {
public:
    // Throws JetError when `path` is not a regular Jet file or no child can
    // be started. `table` as for readJetWords.
    JetReading(const QString& path, const QString& table, const JetLimits& limits);
    ~JetReading();
    JetReading(const JetReading&) = delete;
    JetReading& operator=(const JetReading&) = delete;

    // Takes what the child sent for up to `slice`; true once the child has
    // ended, or was stopped at its deadline.
    bool wait(std::chrono::milliseconds slice);
    // Stops the child now; words() then says the reading was cancelled.
    void cancel();
    // Once wait() was true: the rows, or JetError.
    JetWords words() const;
    const QString& name() const { return name_; }

private:
    void stop(const QString& why);
    void reap();

    QString name_;
    std::chrono::steady_clock::time_point deadline_;
    std::chrono::milliseconds allowed_;
    pid_t child_ = -1;
    int fd_ = -1;
    QByteArray bytes_;
    qint64 largest_ = 0; // more from the child is not the file's text
    int status_ = 0;
    std::optional<QString> stopped_;
};

// The rows of `table` (any letter case) in the Jet file `path`, or of its one
// level table (word0, word1 or word2) when `table` is empty. The word fields
// must be Text or Memo fields; a null stays apart from an empty text.
JetWords readJetWords(const QString& path, const QString& table = {});
JetWords readJetWords(const QString& path, const QString& table, const JetLimits& limits);

// "row 7, field ans points at …; row 9, …" for a message.
QString damageText(const std::vector<DamagedRow>& damaged, std::size_t shown = 5);

} // namespace lexitor::wordlist
