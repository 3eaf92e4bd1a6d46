#pragma once
// A table-type recordset of an open Database. It walks its table in the
// order the rows were added (the table order) until an index is set, and in
// index order afterwards.

#include "store/Engine.h"

#include <memory>
#include <span>
#include <string>

namespace lexitor::store {

struct WordRecord; // see WordRecord.h

// An opaque token naming one row of one recordset's table.
struct RowBookmark {
    long long rowId = 0;
    friend bool operator==(const RowBookmark&, const RowBookmark&) = default;
};

// Every call that moves, seeks, counts, reads a field or changes a row
// first looks whether another connection changed the file, and then works
// on the file as it is now. A row deleted elsewhere is a RecoverableError
// (RowGone).
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    int RecordCount() const;

    // Names the index that Seek and the walk use; "" walks in table order.
    void Index(const std::string& indexName);
    const std::string& Index() const;

    // comparison is "=" or ">=". Afterwards NoMatch() tells whether a row
    // qualified; without a match there is no current row.
    void Seek(const std::string& comparison, const std::string& key);
    bool NoMatch() const;

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(int rows);
    bool Bof() const;
    bool Eof() const;

    RowBookmark Bookmark() const;
    // A row no longer in the table is a RecoverableError (RowGone); the
    // position is then left as it was.
    void Bookmark(const RowBookmark& bookmark);

    // Reads a field of the current row, or of the row being edited.
    FieldValue Field(const std::string& name) const;
    // Writes a field of the row being added or edited.
    void SetField(const std::string& name, const FieldValue& value);

    void AddNew();
    void Edit();
    void CancelUpdate();
    // Stores the added or edited row; durable when it returns. An edited
    // row that was changed or deleted since this recordset last read it is
    // left alone: RecoverableError (RowChanged or RowGone).
    void Update();
    // Removes the current row, under the same condition as Update; the
    // position must move before the next read.
    void Delete();

    void Close();

private:
    friend class Database;
    friend WordRecord currentRecord(const Recordset& rs);
    friend void appendRecords(Recordset& rs, std::span<const WordRecord> records);
    struct State;
    explicit Recordset(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace lexitor::store
