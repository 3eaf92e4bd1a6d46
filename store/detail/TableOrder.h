#pragma once
// The in-memory walking orders of one table, shared by the recordsets on
// that table of one connection: the table order (rowids ascending, which is
// the order rows were added, since a new row always takes a rowid above all
// others) and the index order (by IndexKey, then rowid). Both load on first
// use, are kept up to date by the recordsets' changes and load again after
// another connection changed the file; `version` tells a recordset that its
// cached position may have moved.

#include "store/IndexKey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace lexitor::store {

class Connection;

class TableOrder {
public:
    TableOrder(std::string table) : table_(std::move(table)) {}
    TableOrder(const TableOrder&) = delete;
    TableOrder& operator=(const TableOrder&) = delete;

    const std::string& table() const { return table_; }
    std::uint64_t version() const { return version_; }

    const std::vector<long long>& rows(Connection& connection);
    const std::vector<IndexEntry>& index(Connection& connection);
    int count(Connection& connection);

    bool contains(Connection& connection, long long rowId);
    // The key of a row in the index order, if that order is loaded; for a
    // row removed since, the key it had when it went.
    std::optional<IndexKey> keyOf(long long rowId) const;

    void added(long long rowId, const FieldValue& word);
    void removed(long long rowId);
    void wordChanged(long long rowId, const FieldValue& word);
    // Another field of a row changed: cached field values are stale.
    void fieldsChanged() { ++version_; }
    // Drops everything loaded; the next use reads the file again.
    void invalidate();

private:
    std::vector<IndexEntry>::iterator findEntry(long long rowId);

    std::string table_;
    std::uint64_t version_ = 1;
    bool rowsLoaded_ = false;
    bool indexLoaded_ = false;
    std::vector<long long> rows_;
    std::vector<IndexEntry> index_;
    std::optional<int> count_;
    // Keys of removed rows, so a recordset that stood on one knows where it stood.
    std::unordered_map<long long, IndexKey> removedKeys_;
};

} // namespace lexitor::store
