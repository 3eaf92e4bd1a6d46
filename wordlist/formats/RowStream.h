#pragma once
// How rows travel from a file to the import: a source reads the file and
// hands every row and every problem, in file order, to a sink. A source can
// be read again (an import reads twice: to check, then to write), so that
// no file has to be held in memory whole.

#include "store/WordRecord.h"
#include "wordlist/formats/WordList.h"

#include <QByteArray>
#include <QIODevice>

#include <memory>
#include <vector>

namespace lexitor::wordlist {

struct ListRow {
    int line = 0; // where the row is, counted as its source's place() says
    store::WordRecord record;
    int item = 0; // which word of a bare list's line; 0 for a whole line or row
};

// Everything one reading gave, for files whose rows are held in memory.
struct ReadList {
    std::vector<ListRow> rows;
    std::vector<ListIssue> issues;
    std::vector<ListIssue> notes; // told, not refused: the base form taken for an inflection
    Place place = Place::Line;    // what ListRow::line and ListIssue::line count
};

class RowSink {
public:
    virtual void take(ListRow row) = 0;
    virtual void refuse(ListIssue issue) = 0;
    // Something the user is told but that refuses nothing.
    virtual void note(const ListIssue&) {}

protected:
    ~RowSink() = default;
};

class RowSource {
public:
    virtual ~RowSource() = default;
    // What the positions of its rows and problems count.
    virtual Place place() const = 0;
    // Hands every row and problem to `sink`: the same, in the same order,
    // on every call while the file stays as it is.
    virtual void read(RowSink& sink) = 0;
};

// A sink that keeps everything it is given.
class RowList final : public RowSink {
public:
    void take(ListRow row) override { list.rows.push_back(std::move(row)); }
    void refuse(ListIssue issue) override { list.issues.push_back(std::move(issue)); }
    ReadList list;
};

// Rows already in memory (a Jet table, a bare list of words), each after
// the problems placed before it or on its own line; the notes first.
class ListSource final : public RowSource {
public:
    explicit ListSource(ReadList list);
    Place place() const override { return list_.place; }
    void read(RowSink& sink) override;

private:
    ReadList list_;
};

// Bytes in memory as a device a source can read, for files made in memory.
std::unique_ptr<QIODevice> memoryDevice(const QByteArray& bytes);

} // namespace lexitor::wordlist
