// Recordset: reading and writing fields, adding, editing and deleting rows.
#include "store/detail/RecordsetState.h"

#include "store/WordRecord.h"
#include "store/detail/ReviewTables.h"

namespace lexitor::store {

namespace {

// The fields as they were read, bound after the values written: a row that
// differs in any of them was changed by someone else and stays as it is.
const std::string& asReadCondition() {
    static const std::string condition = " AND " + fieldList(" AND ", " IS ?");
    return condition;
}

// Binds the fields of `record` from parameter `first` on; gives the next.
int bindFields(Statement& statement, int first, const WordRecord& record) {
    for (const WordField& field : kWordFields) {
        statement.bind(first++, record.*field.member);
    }
    return first;
}

} // namespace

FieldValue Recordset::Field(const std::string& name) const {
    State& s = *state_;
    s.ensureOpen();
    const auto member = kWordFields[fieldIndex(name)].member;
    return s.shown().*member;
}

WordRecord currentRecord(const Recordset& rs) {
    rs.state_->ensureOpen();
    return rs.state_->shown();
}

void appendRecord(Recordset& rs, const WordRecord& record) {
    rs.AddNew();
    for (const WordField& field : kWordFields) {
        rs.SetField(std::string(field.name), record.*field.member);
    }
    rs.Update();
}

void Recordset::SetField(const std::string& name, const FieldValue& value) {
    State& s = *state_;
    s.ensureOpen();
    const std::size_t i = fieldIndex(name);
    if (s.editing == State::Editing::None) {
        throw EngineError("Field '" + name + "' set without AddNew or Edit.");
    }
    s.buffer.*kWordFields[i].member = value;
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

static const std::string& columnsAndValues() {
    static const std::string text = [] {
        std::string values = "?"; // the rowid's
        for (std::size_t i = 0; i < kWordFields.size(); ++i) {
            values += ", ?";
        }
        return " (rowid, " + fieldList(", ") + ") VALUES (" + values + ")";
    }();
    return text;
}

void appendRecords(Recordset& rs, std::span<const WordRecord> records) {
    Recordset::State& s = *rs.state_;
    s.ensureOpen();
    s.cancelEditing();
    if (records.empty()) {
        return;
    }
    // One rowid lookup and one record of the highest for all the rows.
    WriteScope scope(*s.connection);
    long long rowId = s.connection->newRowId(s.table);
    Statement& insert =
        s.connection->statement("INSERT INTO " + s.quotedTable + columnsAndValues());
    for (const WordRecord& record : records) {
        Query query(insert);
        query->bind(1, rowId);
        bindFields(*query, 2, record);
        query->step();
        s.order->added(rowId++, record.word);
    }
    s.connection->recordRowId(s.table, rowId - 1);
    scope.commit();
}

void Recordset::State::insertRow() {
    State& s = *this;
    WriteScope scope(*s.connection);
    const long long rowId = s.connection->newRowId(s.table);
    Query query(s.connection->statement("INSERT INTO " + s.quotedTable + columnsAndValues()));
    query->bind(1, rowId);
    bindFields(*query, 2, s.buffer);
    query->step();
    s.connection->recordRowId(s.table, rowId);
    scope.commit();
    s.order->added(rowId, s.buffer.word);
}

void Recordset::State::rewriteRow() {
    State& s = *this;
    std::string assignments;
    for (std::size_t i = 0; i < kWordFields.size(); ++i) {
        if (s.dirty[i]) {
            assignments += assignments.empty() ? "" : ", ";
            assignments += kWordFields[i].name;
            assignments += "=?";
        }
    }
    if (assignments.empty()) {
        return;
    }
    WriteScope scope(*s.connection);
    Query query(s.connection->statement("UPDATE " + s.quotedTable + " SET " + assignments +
                                        " WHERE rowid=?" + asReadCondition()));
    int next = 1;
    for (std::size_t i = 0; i < kWordFields.size(); ++i) {
        if (s.dirty[i]) {
            query->bind(next++, s.buffer.*kWordFields[i].member);
        }
    }
    query->bind(next++, s.editRowId);
    bindFields(*query, next, s.editBase);
    query->step();
    if (s.connection->changes() == 0) {
        s.refuseChange(s.editRowId);
    }
    scope.commit();
    if (s.buffer.word != s.editBase.word) {
        s.order->wordChanged(s.editRowId, s.buffer.word);
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
    const WordRecord base = s.asRead();
    Query query(s.connection->statement("DELETE FROM " + s.quotedTable + " WHERE rowid=?" +
                                        asReadCondition()));
    query->bind(1, s.rowId);
    bindFields(*query, 2, base);
    query->step();
    if (s.connection->changes() == 0) {
        s.refuseChange(s.rowId);
    }
    forgetDeletedWord(*s.connection, s.quotedTable, base.word);
    scope.commit();
    s.order->removed(s.rowId);
    s.where = State::Where::Deleted;
    s.deletedHere = true;
    s.posVersion = 0;
}

} // namespace lexitor::store
