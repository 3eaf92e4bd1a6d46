#pragma once
// The inside of a Recordset: where it stands, in which order, and the row
// being added or edited.

#include "store/IndexKey.h"
#include "store/Recordset.h"
#include "store/WordRecord.h"
#include "store/detail/Connection.h"
#include "store/detail/TableOrder.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace lexitor::store {

struct Recordset::State {
    enum class Where { Unset, Bof, Row, Deleted, Eof };
    enum class Editing { None, Adding, Editing };

    std::shared_ptr<Connection> connection;
    std::shared_ptr<TableOrder> order;
    std::string table;       // as the file spells it
    std::string quotedTable; // for SQL text
    std::string index;       // "" walks the table order
    bool closed = false;

    // The position: a row (current or just deleted) is named by its rowid
    // and, in index order, its key; `pos` is its place in the active order
    // as of order version `posVersion` (for a deleted row, the place of the
    // row after it). `deletedHere` tells a row this recordset deleted from
    // one deleted elsewhere.
    Where where = Where::Unset;
    bool deletedHere = false;
    long long rowId = 0;
    IndexKey key;
    std::size_t pos = 0;
    std::uint64_t posVersion = 0;
    bool noMatch = false;

    Editing editing = Editing::None;
    long long editRowId = 0;
    WordRecord buffer;
    WordRecord editBase; // the edited row as it was read: Update finds it so or refuses
    std::array<bool, kWordFields.size()> dirty{};

    // The fields of the row last read; they serve reads while the order
    // version stays, and stand for what the caller saw of that row.
    WordRecord cached;
    long long cachedRowId = 0;
    std::uint64_t cachedVersion = 0;

    // Throws unless the recordset and its database are open.
    void ensureOpen() const;
    // ensureOpen, and the file as it is now: another connection's changes
    // load the orders again.
    void look();
    std::size_t activeSize();
    // Makes the row at `at` of the active order current.
    void place(std::size_t at);
    // Finds the position again after the shared order changed.
    void sync();
    // Finds the current row's place in the active order (after an index
    // switch or a bookmark); marks it deleted when it is gone.
    void locate();
    // Throws unless there is a current row: "No current record.", "Record
    // is deleted." or, for a row deleted elsewhere, a RecoverableError.
    void requireRow();
    // The fields of the current row, read once per order version.
    const WordRecord& currentFields();
    // The row being added or edited, else the current row as it is now.
    const WordRecord& shown();
    // The current row as this recordset last read it, or as it is now.
    WordRecord asRead();
    // Why a guarded change of `rowId` found no row to change.
    [[noreturn]] void refuseChange(long long rowId);
    void cancelEditing();
    void insertRow();
    void rewriteRow();
    // Place of the first entry at or after (key, rowId) in the active order.
    std::size_t lowerBound(const IndexKey& key, long long rowId);
    bool rowAt(std::size_t at, long long rowId);
};

// The position of a word field name (any letter case), or throws.
std::size_t fieldIndex(const std::string& name);

} // namespace lexitor::store
