#pragma once
// The key by which the index on `word` orders rows and Seek compares: the
// word's wordKey (store/WordRules.h), as UTF-8 bytes (so byte order is
// code-point order). A null word sorts before any text.

#include "store/Engine.h"

#include <string>
#include <string_view>
#include <tuple>

namespace lexitor::store {

struct IndexKey {
    bool isText = false;
    std::string folded;

    friend bool operator==(const IndexKey&, const IndexKey&) = default;
    friend auto operator<=>(const IndexKey& a, const IndexKey& b) {
        return std::tie(a.isText, a.folded) <=> std::tie(b.isText, b.folded);
    }
};

IndexKey indexKey(const FieldValue& word);
IndexKey indexKey(std::string_view word);
inline IndexKey indexKey(const std::string& word) {
    return indexKey(std::string_view(word));
}

// One row in index order: its key, ties broken by rowid.
struct IndexEntry {
    IndexKey key;
    long long rowId = 0;

    friend bool operator==(const IndexEntry&, const IndexEntry&) = default;
    friend auto operator<=>(const IndexEntry& a, const IndexEntry& b) {
        if (auto c = a.key <=> b.key; c != 0) {
            return c;
        }
        return a.rowId <=> b.rowId;
    }
};

} // namespace lexitor::store
