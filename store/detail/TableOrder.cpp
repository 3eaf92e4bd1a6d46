#include "store/detail/TableOrder.h"

#include "store/detail/Connection.h"

#include <algorithm>
#include <limits>

namespace lexitor::store {

const std::vector<long long>& TableOrder::rows(Connection& connection) {
    if (!rowsLoaded_) {
        std::vector<long long> loaded;
        loaded.reserve(count_.value_or(0));
        Query query(
            connection.statement("SELECT rowid FROM " + quotedName(table_) + " ORDER BY rowid"));
        while (query->step()) {
            loaded.push_back(query->integer(0));
        }
        rows_ = std::move(loaded);
        rowsLoaded_ = true;
        count_ = static_cast<int>(rows_.size());
    }
    return rows_;
}

const std::vector<IndexEntry>& TableOrder::index(Connection& connection) {
    if (!indexLoaded_) {
        std::vector<IndexEntry> loaded;
        loaded.reserve(count_.value_or(0));
        Query query(connection.statement("SELECT rowid, word FROM " + quotedName(table_)));
        while (query->step()) {
            loaded.push_back({indexKey(query->text(1)), query->integer(0)});
        }
        std::sort(loaded.begin(), loaded.end());
        index_ = std::move(loaded);
        indexLoaded_ = true;
    }
    return index_;
}

int TableOrder::count(Connection& connection) {
    if (!count_) {
        Query query(connection.statement("SELECT count(*) FROM " + quotedName(table_)));
        query->step();
        const long long n = query->integer(0);
        if (n > std::numeric_limits<int>::max()) {
            throw EngineError("Table '" + table_ + "' holds too many rows.");
        }
        count_ = static_cast<int>(n);
    }
    return *count_;
}

bool TableOrder::contains(Connection& connection, long long rowId) {
    const auto& all = rows(connection);
    return std::binary_search(all.begin(), all.end(), rowId);
}

std::optional<IndexKey> TableOrder::keyOf(long long rowId) const {
    if (!indexLoaded_) {
        return std::nullopt;
    }
    const auto it = std::find_if(index_.begin(), index_.end(),
                                 [rowId](const IndexEntry& e) { return e.rowId == rowId; });
    if (it != index_.end()) {
        return it->key;
    }
    const auto gone = removedKeys_.find(rowId);
    return gone == removedKeys_.end() ? std::nullopt : std::optional(gone->second);
}

void TableOrder::added(long long rowId, const FieldValue& word) {
    ++version_;
    if (count_) {
        ++*count_;
    }
    if (rowsLoaded_) {
        rows_.insert(std::upper_bound(rows_.begin(), rows_.end(), rowId), rowId);
    }
    if (indexLoaded_) {
        IndexEntry entry{indexKey(word), rowId};
        index_.insert(std::upper_bound(index_.begin(), index_.end(), entry), std::move(entry));
    }
}

void TableOrder::removed(long long rowId) {
    ++version_;
    if (count_) {
        --*count_;
    }
    if (rowsLoaded_) {
        const auto it = std::lower_bound(rows_.begin(), rows_.end(), rowId);
        if (it != rows_.end() && *it == rowId) {
            rows_.erase(it);
        }
    }
    if (indexLoaded_) {
        if (const auto it = findEntry(rowId); it != index_.end()) {
            removedKeys_[rowId] = std::move(it->key);
            index_.erase(it);
        }
    }
}

void TableOrder::wordChanged(long long rowId, const FieldValue& word) {
    ++version_;
    if (!indexLoaded_) {
        return;
    }
    if (const auto it = findEntry(rowId); it != index_.end()) {
        index_.erase(it);
    }
    IndexEntry entry{indexKey(word), rowId};
    index_.insert(std::upper_bound(index_.begin(), index_.end(), entry), std::move(entry));
}

void TableOrder::invalidate() {
    ++version_;
    rowsLoaded_ = indexLoaded_ = false;
    rows_.clear();
    index_.clear();
    removedKeys_.clear();
    count_.reset();
}

std::vector<IndexEntry>::iterator TableOrder::findEntry(long long rowId) {
    return std::find_if(index_.begin(), index_.end(),
                        [rowId](const IndexEntry& e) { return e.rowId == rowId; });
}

} // namespace lexitor::store
