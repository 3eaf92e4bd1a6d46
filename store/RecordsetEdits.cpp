// Recordset: reading and writing fields, adding, editing and deleting rows.
#include "store/RecordsetState.h"

#include "store/WordRecord.h"

namespace lexitor::store {

FieldValue Recordset::Field(const std::string& name) const {
    State& s = *state_;
    s.ensureOpen();
    const std::size_t i = fieldIndex(name);
    if (s.editing != State::Editing::None) {
        return s.buffer[i];
    }
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
    s.ensureOpen();
    s.cancelEditing();
    s.buffer = s.currentFields();
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
    const long long rowId = s.order->nextRowId(*s.connection);
    Query query(s.connection->statement(
        "INSERT INTO " + s.quotedTable +
        " (rowid, word, ans, c1, c2, c3, ref) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query->bind(1, rowId);
    for (int i = 0; i < 6; ++i) {
        query->bind(i + 2, s.buffer[static_cast<std::size_t>(i)]);
    }
    query->step();
    s.order->added(rowId, s.buffer[0]);
}

void Recordset::State::rewriteRow() {
    State& s = *this;
    std::string assignments;
    int bound = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        if (s.dirty[i]) {
            assignments +=
                std::string(assignments.empty() ? "" : ", ") + std::string(kWordFields[i]) + "=?";
            ++bound;
        }
    }
    if (bound == 0) {
        return;
    }
    Query query(s.connection->statement("UPDATE " + s.quotedTable + " SET " + assignments +
                                        " WHERE rowid=?"));
    int next = 1;
    for (std::size_t i = 0; i < 6; ++i) {
        if (s.dirty[i]) {
            query->bind(next++, s.buffer[i]);
        }
    }
    query->bind(next, s.editRowId);
    query->step();
    if (s.connection->changes() == 0) {
        throw EngineError("Record is deleted.");
    }
    if (s.dirty[0]) {
        s.order->wordChanged(s.editRowId, s.buffer[0]);
    } else {
        s.order->fieldsChanged();
    }
}

void Recordset::Update() {
    State& s = *state_;
    s.ensureOpen();
    if (s.editing == State::Editing::None) {
        throw EngineError("Update without AddNew or Edit.");
    }
    s.connection->prepareWrite();
    if (s.editing == State::Editing::Adding) {
        s.insertRow();
    } else {
        s.rewriteRow();
    }
    s.connection->touched(s.order);
    s.cancelEditing();
}

void Recordset::Delete() {
    State& s = *state_;
    s.ensureOpen();
    s.cancelEditing();
    s.requireRow();
    s.connection->prepareWrite();
    Query query(s.connection->statement("DELETE FROM " + s.quotedTable + " WHERE rowid=?"));
    query->bind(1, s.rowId);
    query->step();
    const bool deleted = s.connection->changes() > 0;
    s.order->removed(s.rowId);
    s.connection->touched(s.order);
    s.where = State::Where::Deleted;
    s.posVersion = 0;
    if (!deleted) {
        throw EngineError("Record is deleted.");
    }
}

} // namespace lexitor::store
