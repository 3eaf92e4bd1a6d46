#pragma once
// The word store: a small table-type database engine over SQLite files.
//
// DBEngine opens Database files; a Database opens table-type Recordsets
// (Recordset.h). Every misuse is an EngineError with a clear text; nothing
// here is undefined behaviour.

#include <chrono>
#include <functional>
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

// A failure the program gets over: nothing was written, the file is as it
// was, and the user can be told and go on. The row cases come from another
// program (or another recordset) changing the file since the row was read.
class RecoverableError : public EngineError {
public:
    enum class Kind { RowChanged, RowGone, Busy, ReadOnly, DiskFull };
    RecoverableError(Kind kind, const std::string& text) : EngineError(text), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// What the store tells the program while it works, and how long it waits,
// handed to the engine that opens the databases; each database keeps the
// settings it was opened with.
struct EngineSettings {
    // Called with true when a call starts waiting for another program's
    // lock and with false when the wait is over.
    std::function<void(bool waiting)> lockWait;
    // A text for the user (a journal file that did not belong to its
    // database was set aside); without one, notices go to standard error.
    std::function<void(const std::string& text)> notice;
    // How long a call waits for another program's lock before it gives up.
    std::chrono::milliseconds lockWaitLimit{5000};
    // When not empty, every file opens for reading only, and this says why
    // ("no other program may be kept from changing the words ...").
    std::string readOnly;
};

// A field value: std::nullopt is a null, kept apart from an empty text.
using FieldValue = std::optional<std::string>;

inline constexpr int dbOpenTable = 1;

class Connection; // shared SQLite handle, see detail/Connection.h
class Recordset;  // see Recordset.h

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens `table` as a table-type recordset. `type` must be dbOpenTable.
    std::unique_ptr<Recordset> OpenRecordset(const std::string& table, int type = dbOpenTable);
    // Releases the file. Recordsets opened from it are closed too.
    void Close();

private:
    friend class DBEngine;
    friend class Transaction; // see Transaction.h
    friend class ReviewLog;   // see ReviewLog.h
    Database(std::string name, std::shared_ptr<Connection> connection);
    std::string name_;
    std::shared_ptr<Connection> connection_;
};

class DBEngine {
public:
    explicit DBEngine(EngineSettings settings = {});
    // The one engine of the process, made on first use; the screens open
    // their databases through it.
    static DBEngine& instance();

    // The settings for the databases opened from now on.
    void setSettings(EngineSettings settings);
    const EngineSettings& settings() const { return *settings_; }

    // Opens an existing word database. `name` is resolved against the
    // current working directory. A missing file, or a file that is not a
    // word database, is an EngineError naming the cause; the file is left as
    // it was. A file that only can be read opens for reading: every change
    // is then a RecoverableError. A journal file beside it is applied only
    // when it belongs to it (see detail/Companions.h).
    std::unique_ptr<Database> OpenDatabase(const std::string& name);

private:
    std::shared_ptr<const EngineSettings> settings_;
};

} // namespace lexitor::store
