#include "store/detail/RecordsetState.h"

#include "store/MessageText.h"
#include "store/WordRecord.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace lexitor::store {

namespace {

const std::string kGone = "This word was deleted elsewhere (by another program) after it was "
                          "read here, so nothing was changed.";
const std::string kChanged = "This word was changed elsewhere (by another program) after it was "
                             "read here, so this change was not made.";

} // namespace

// Place of the first entry at or after (key, rowId) in the active order.
std::size_t Recordset::State::lowerBound(const IndexKey& key, long long rowId) {
    State& s = *this;
    if (s.index.empty()) {
        const auto& rows = s.order->rows(*s.connection);
        return static_cast<std::size_t>(std::lower_bound(rows.begin(), rows.end(), rowId) -
                                        rows.begin());
    }
    const auto& entries = s.order->index(*s.connection);
    const IndexEntry probe{key, rowId};
    return static_cast<std::size_t>(std::lower_bound(entries.begin(), entries.end(), probe) -
                                    entries.begin());
}

bool Recordset::State::rowAt(std::size_t pos, long long rowId) {
    State& s = *this;
    if (s.index.empty()) {
        const auto& rows = s.order->rows(*s.connection);
        return pos < rows.size() && rows[pos] == rowId;
    }
    const auto& entries = s.order->index(*s.connection);
    return pos < entries.size() && entries[pos].rowId == rowId;
}

void Recordset::State::ensureOpen() const {
    const State& s = *this;
    if (s.closed) {
        throw EngineError("The recordset is closed.");
    }
    if (!s.connection->isOpen()) {
        throw EngineError("The database '" + s.connection->name() + "' is closed.");
    }
}

void Recordset::State::look() {
    ensureOpen();
    connection->refresh();
}

std::size_t Recordset::State::activeSize() {
    State& s = *this;
    return s.index.empty() ? s.order->rows(*s.connection).size()
                           : s.order->index(*s.connection).size();
}

void Recordset::State::place(std::size_t pos) {
    State& s = *this;
    s.where = State::Where::Row;
    s.deletedHere = false;
    s.pos = pos;
    s.posVersion = s.order->version();
    if (s.index.empty()) {
        s.rowId = s.order->rows(*s.connection)[pos];
    } else {
        const auto& entry = s.order->index(*s.connection)[pos];
        s.rowId = entry.rowId;
        s.key = entry.key;
    }
}

void Recordset::State::sync() {
    State& s = *this;
    if ((s.where != State::Where::Row && s.where != State::Where::Deleted) ||
        s.posVersion == s.order->version()) {
        return;
    }
    s.pos = s.lowerBound(s.key, s.rowId);
    if (s.where == State::Where::Row && !s.rowAt(s.pos, s.rowId)) {
        // Moved because its word changed, or gone (then `pos` is where it stood).
        const auto key = s.index.empty() ? std::nullopt : s.order->keyOf(s.rowId);
        if (key) {
            s.key = *key;
            s.pos = s.lowerBound(s.key, s.rowId);
        }
        if (!s.rowAt(s.pos, s.rowId)) {
            s.where = State::Where::Deleted;
            s.deletedHere = false;
        }
    }
    s.posVersion = s.order->version();
}

void Recordset::State::locate() {
    State& s = *this;
    if (!s.index.empty()) {
        s.order->index(*s.connection);
        s.key = s.order->keyOf(s.rowId).value_or(IndexKey{});
    }
    s.pos = s.lowerBound(s.key, s.rowId);
    s.posVersion = s.order->version();
    if (!s.rowAt(s.pos, s.rowId)) {
        s.where = State::Where::Deleted;
        s.deletedHere = false;
    }
}

void Recordset::State::requireRow() {
    State& s = *this;
    s.sync();
    if (s.where == State::Where::Deleted && s.deletedHere) {
        throw EngineError("Record is deleted.");
    }
    if (s.where == State::Where::Deleted) {
        throw RecoverableError(RecoverableError::Kind::RowGone, kGone);
    }
    if (s.where != State::Where::Row) {
        throw EngineError("No current record.");
    }
}

const WordRecord& Recordset::State::currentFields() {
    State& s = *this;
    s.requireRow();
    if (s.cachedRowId == s.rowId && s.cachedVersion == s.order->version()) {
        return s.cached;
    }
    static const std::string columns = fieldList(", ");
    Query query(
        s.connection->statement("SELECT " + columns + " FROM " + s.quotedTable + " WHERE rowid=?"));
    query->bind(1, s.rowId);
    if (!query->step()) {
        // Deleted elsewhere since the orders were last looked at.
        s.where = State::Where::Deleted;
        s.deletedHere = false;
        throw RecoverableError(RecoverableError::Kind::RowGone, kGone);
    }
    for (std::size_t i = 0; i < kWordFields.size(); ++i) {
        s.cached.*kWordFields[i].member = query->text(static_cast<int>(i));
    }
    s.cachedRowId = s.rowId;
    s.cachedVersion = s.order->version();
    return s.cached;
}

const WordRecord& Recordset::State::shown() {
    if (editing != Editing::None) {
        return buffer;
    }
    connection->refresh();
    return currentFields();
}

WordRecord Recordset::State::asRead() {
    requireRow();
    return cachedRowId == rowId ? cached : currentFields();
}

void Recordset::State::refuseChange(long long gone) {
    cachedRowId = 0;
    Query query(connection->statement("SELECT 1 FROM " + quotedTable + " WHERE rowid=?"));
    query->bind(1, gone);
    if (query->step()) {
        throw RecoverableError(RecoverableError::Kind::RowChanged, kChanged);
    }
    throw RecoverableError(RecoverableError::Kind::RowGone, kGone);
}

void Recordset::State::cancelEditing() {
    State& s = *this;
    s.editing = State::Editing::None;
    s.buffer = {};
    s.dirty = {};
}

std::size_t fieldIndex(const std::string& name) {
    for (std::size_t i = 0; i < kWordFields.size(); ++i) {
        const auto field = kWordFields[i].name;
        if (std::equal(name.begin(), name.end(), field.begin(), field.end(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            })) {
            return i;
        }
    }
    throw EngineError("Unknown field '" + excerpt(name) + "'.");
}

} // namespace lexitor::store
