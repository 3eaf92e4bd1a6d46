// Recordset: reading and writing fields, adding, editing and deleting rows.
#include "store/detail/RecordsetState.h"

#include "store/WordRecord.h"

namespace lexitor::store {

FieldValue Recordset::Field(const std::string& name) const {
    State& s = *state_;
    s.ensureOpen();
    const std::size_t i = fieldIndex(name);
    if (s.editing != State::Editing::None) {
        return s.buffer[i];
    }
    s.connection->refresh();
    return s.currentFields()[i];
}

void Recordset::SetField(const std::string& name, const FieldValue& value) {
    State& s = *state_;
    s.ensureOpen();
    const std::size_t i = fieldIndex(name);
    if (s.editing == State::Editing::None) {
        throw EngineError("Field '" + name + "' set without AddNew or Edit.");
    }
    s.buffer[i] = value;
    s.dirty[i] = true;
}

void Recordset::AddNew() {
    State& s = *state_;
    s.ensureOpen();
    s.cancelEditing();
    s.editing = State::Editing::Adding;
}

void Recordset::Edit() {
    State& s = *state_;
    s.look();
    s.cancelEditing();
    s.buffer = s.editBase = s.asRead();
    s.editRowId = s.rowId;
    s.editing = State::Editing::Editing;
}

void Recordset::CancelUpdate() {
    State& s = *state_;
    s.ensureOpen();
    if (s.editing == State::Editing::None) {
        throw EngineError("CancelUpdate without AddNew or Edit.");
    }
    s.cancelEditing();
}

void Recordset::State::insertRow() {
    State& s = *this;
    WriteScope scope(*s.connection);
    const long long rowId = s.connection->newRowId(s.table);
    Query query(s.connection->statement(
        "INSERT INTO " + s.quotedTable +
        " (rowid, word, ans, c1, c2, c3, ref) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query->bind(1, rowId);
    for (int i = 0; i < 6; ++i) {
        query->bind(i + 2, s.buffer[static_cast<std::size_t>(i)]);
    }
    query->step();
    s.connection->recordRowId(s.table, rowId);
    scope.commit();
    s.order->added(rowId, s.buffer[0]);
}

// The fields as they were read, bound after the values written: a row that
// differs in any of them was changed by someone else and stays as it is.
constexpr const char* kAsRead =
    " AND word IS ? AND ans IS ? AND c1 IS ? AND c2 IS ? AND c3 IS ? AND ref IS ?";

void Recordset::State::rewriteRow() {
    State& s = *this;
    std::string assignments;
    for (std::size_t i = 0; i < 6; ++i) {
        if (s.dirty[i]) {
            assignments +=
                std::string(assignments.empty() ? "" : ", ") + std::string(kWordFields[i]) + "=?";
        }
    }
    if (assignments.empty()) {
        return;
    }
    WriteScope scope(*s.connection);
    Query query(s.connection->statement("UPDATE " + s.quotedTable + " SET " + assignments +
                                        " WHERE rowid=?" + kAsRead));
    int next = 1;
    for (std::size_t i = 0; i < 6; ++i) {
        if (s.dirty[i]) {
            query->bind(next++, s.buffer[i]);
        }
    }
    query->bind(next++, s.editRowId);
    for (const auto& value : s.editBase) {
        query->bind(next++, value);
    }
    query->step();
    if (s.connection->changes() == 0) {
        s.refuseChange(s.editRowId);
    }
    scope.commit();
    if (s.dirty[0]) {
        s.order->wordChanged(s.editRowId, s.buffer[0]);
    } else {
        s.order->fieldsChanged();
    }
    // What was written is what this recordset has now read of the row.
    s.cached = s.buffer;
    s.cachedRowId = s.editRowId;
    s.cachedVersion = s.order->version();
}

void Recordset::Update() {
    State& s = *state_;
    s.ensureOpen();
    if (s.editing == State::Editing::None) {
        throw EngineError("Update without AddNew or Edit.");
    }
    // A refused change ends the editing too: the caller starts again from
    // the row as it is now.
    try {
        if (s.editing == State::Editing::Adding) {
            s.insertRow();
        } else {
            s.rewriteRow();
        }
    } catch (...) {
        s.cancelEditing();
        throw;
    }
    s.cancelEditing();
}

void Recordset::Delete() {
    State& s = *state_;
    s.ensureOpen();
    s.cancelEditing();
    WriteScope scope(*s.connection);
    const RowFields base = s.asRead();
    Query query(
        s.connection->statement("DELETE FROM " + s.quotedTable + " WHERE rowid=?" + kAsRead));
    query->bind(1, s.rowId);
    int next = 2;
    for (const auto& value : base) {
        query->bind(next++, value);
    }
    query->step();
    if (s.connection->changes() == 0) {
        s.refuseChange(s.rowId);
    }
    scope.commit();
    s.order->removed(s.rowId);
    s.where = State::Where::Deleted;
    s.deletedHere = true;
    s.posVersion = 0;
}

} // namespace lexitor::store
