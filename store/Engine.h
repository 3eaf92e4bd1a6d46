#pragma once
// The word store: a small table-type database engine over SQLite files.
//
// DBEngine opens Database files; a Database opens table-type Recordsets.
// A Recordset walks its table in the order the rows were added (the table
// order) until an index is set, and in index order afterwards. Every misuse
// is an EngineError with a clear text; nothing here is undefined behaviour.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace lexitor::store {

// A failed engine call. The text names what went wrong (and the file, where
// there is one) in words a user can act on.
class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field value: std::nullopt is a null, kept apart from an empty text.
using FieldValue = std::optional<std::string>;

inline constexpr int dbOpenTable = 1;

class Connection; // shared SQLite handle, see Connection.h
class Recordset;

// An opaque token naming one row of one recordset's table.
struct RowBookmark {
    long long rowId = 0;
    friend bool operator==(const RowBookmark&, const RowBookmark&) = default;
};

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens `table` as a table-type recordset. `type` must be dbOpenTable.
    std::unique_ptr<Recordset> OpenRecordset(const std::string& table, int type = dbOpenTable);
    // Releases the file. Recordsets opened from it are closed too.
    void Close();

    // Groups changes into one all-or-nothing step (used by bulk imports;
    // the screens never call these). Without them every Update and Delete
    // is its own durable step.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    const std::string& Name() const { return name_; }

private:
    friend class DBEngine;
    Database(std::string name, std::shared_ptr<Connection> connection);
    std::string name_;
    std::shared_ptr<Connection> connection_;
};

class DBEngine {
public:
    // The one engine of the process, made on first use.
    static DBEngine& instance();

    // Opens an existing word database. `name` is resolved against the
    // current working directory. A missing file, or a file that is not a
    // word database, is an EngineError; the file is left as it was.
    std::unique_ptr<Database> OpenDatabase(const std::string& name);

private:
    DBEngine() = default;
};

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
    void Bookmark(const RowBookmark& bookmark);

    // Reads a field of the current row, or of the row being edited.
    FieldValue Field(const std::string& name) const;
    // Writes a field of the row being added or edited.
    void SetField(const std::string& name, const FieldValue& value);

    void AddNew();
    void Edit();
    void CancelUpdate();
    // Stores the added or edited row; durable when it returns.
    void Update();
    // Removes the current row; the position must move before the next read.
    void Delete();

    void Close();

private:
    friend class Database;
    struct State;
    explicit Recordset(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace lexitor::store
