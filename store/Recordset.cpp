// Recordset: opening, counting, the index, Seek and the moves.
#include "store/MessageText.h"
#include "store/detail/FileCheck.h"
#include "store/detail/RecordsetState.h"

#include <algorithm>
#include <limits>

namespace lexitor::store {

Recordset::Recordset(std::unique_ptr<State> state) : state_(std::move(state)) {}

Recordset::~Recordset() = default;

int Recordset::RecordCount() const {
    state_->look();
    return state_->order->count(*state_->connection);
}

void Recordset::Index(const std::string& indexName) {
    State& s = *state_;
    s.look();
    if (indexName == s.index) {
        return;
    }
    if (!indexName.empty()) {
        checkIndex(*s.connection, s.table, indexName);
    }
    s.cancelEditing();
    s.sync();
    s.index = indexName;
    // The current row stays current at its place in the new order; a
    // deleted one has no place there.
    if (s.where == State::Where::Row) {
        s.locate();
    } else if (s.where == State::Where::Deleted) {
        s.where = State::Where::Unset;
    }
}

const std::string& Recordset::Index() const {
    return state_->index;
}

void Recordset::Seek(const std::string& comparison, const std::string& key) {
    State& s = *state_;
    s.look();
    if (s.index.empty()) {
        throw EngineError("Operation is not supported without a current index.");
    }
    if (comparison != "=" && comparison != ">=") {
        throw EngineError("Seek comparison '" + excerpt(comparison) +
                          "' is not supported; use \"=\" or \">=\".");
    }
    s.cancelEditing();
    const IndexEntry probe{indexKey(key), std::numeric_limits<long long>::min()};
    const auto& entries = s.order->index(*s.connection);
    const auto it = std::lower_bound(entries.begin(), entries.end(), probe);
    s.noMatch = it == entries.end() || (comparison == "=" && it->key != probe.key);
    if (s.noMatch) {
        s.where = State::Where::Unset;
    } else {
        s.place(static_cast<std::size_t>(it - entries.begin()));
    }
}

bool Recordset::NoMatch() const {
    state_->ensureOpen();
    return state_->noMatch;
}

void Recordset::MoveFirst() {
    State& s = *state_;
    s.look();
    s.cancelEditing();
    if (s.activeSize() == 0) {
        throw EngineError("No current record.");
    }
    s.place(0);
}

void Recordset::MoveLast() {
    State& s = *state_;
    s.look();
    s.cancelEditing();
    const std::size_t size = s.activeSize();
    if (size == 0) {
        throw EngineError("No current record.");
    }
    s.place(size - 1);
}

void Recordset::MoveNext() {
    Move(1);
}

void Recordset::MovePrevious() {
    Move(-1);
}

void Recordset::Move(int rows) {
    State& s = *state_;
    s.look();
    s.cancelEditing();
    s.sync();
    if (rows == 0) {
        s.requireRow();
        return;
    }
    const auto size = static_cast<long long>(s.activeSize());
    long long base = 0; // the place counted from; a deleted row stood just before `pos`
    switch (s.where) {
    case State::Where::Unset:
        throw EngineError("No current record.");
    case State::Where::Bof:
        if (rows < 0) {
            throw EngineError("No current record.");
        }
        base = -1;
        break;
    case State::Where::Eof:
        if (rows > 0) {
            throw EngineError("No current record.");
        }
        base = size;
        break;
    case State::Where::Row:
        base = static_cast<long long>(s.pos);
        break;
    case State::Where::Deleted:
        base = static_cast<long long>(s.pos) - (rows > 0 ? 1 : 0);
        break;
    }
    const long long target = base + rows;
    if (target < 0) {
        s.where = State::Where::Bof;
    } else if (target >= size) {
        s.where = State::Where::Eof;
    } else {
        s.place(static_cast<std::size_t>(target));
    }
}

bool Recordset::Bof() const {
    State& s = *state_;
    s.ensureOpen();
    return s.where == State::Where::Bof || (s.where == State::Where::Unset && RecordCount() == 0);
}

bool Recordset::Eof() const {
    State& s = *state_;
    s.ensureOpen();
    return s.where == State::Where::Eof || (s.where == State::Where::Unset && RecordCount() == 0);
}

RowBookmark Recordset::Bookmark() const {
    State& s = *state_;
    s.ensureOpen();
    s.requireRow();
    return {s.rowId};
}

void Recordset::Bookmark(const RowBookmark& bookmark) {
    State& s = *state_;
    s.look();
    s.cancelEditing();
    if (!s.order->contains(*s.connection, bookmark.rowId)) {
        throw RecoverableError(RecoverableError::Kind::RowGone,
                               "The word of this bookmark is no longer in the table.");
    }
    s.where = State::Where::Row;
    s.deletedHere = false;
    s.rowId = bookmark.rowId;
    s.locate();
}

void Recordset::Close() {
    state_->closed = true;
    state_->order.reset();
    state_->connection.reset();
}

} // namespace lexitor::store
