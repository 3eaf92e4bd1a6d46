#pragma once
// One row of a level table and the names of the level databases.

#include "store/Engine.h"

#include <array>
#include <span>
#include <string_view>

namespace lexitor::store {

struct WordRecord {
    FieldValue word, ans, c1, c2, c3, ref;
    friend bool operator==(const WordRecord&, const WordRecord&) = default;
};

// A field of a level table: its name and where a WordRecord holds it.
struct WordField {
    std::string_view name;
    FieldValue WordRecord::*member;
};

// The fields in table order. Everything that goes over the fields (the
// store's SQL, file formats, checks) goes over this list.
inline constexpr auto kWordFields = std::to_array<WordField>({
    {"word", &WordRecord::word},
    {"ans", &WordRecord::ans},
    {"c1", &WordRecord::c1},
    {"c2", &WordRecord::c2},
    {"c3", &WordRecord::c3},
    {"ref", &WordRecord::ref},
});

// Adds `record` as a new row: AddNew, every field, Update.
void appendRecord(Recordset& rs, const WordRecord& record);
// Adds `records` as new rows in order, as appendRecord one by one would,
// in one write; for many rows at once (imports, conversions).
void appendRecords(Recordset& rs, std::span<const WordRecord> records);
// The fields of the current row (of the row being added or edited, while
// there is one), read in one look at the file.
WordRecord currentRecord(const Recordset& rs);

// A level 0..2; its editor level code is level + 1.
struct LevelDatabase {
    int level;
    std::string_view file;  // word0.mdb
    std::string_view table; // word0
    std::string_view index; // wrdin

    int editorCode() const { return level + 1; }
};

// The three levels: 0 (the easiest), 1 and 2.
inline constexpr int kLevelCount = 3;
inline constexpr std::array<LevelDatabase, kLevelCount> kLevels = {{
    {0, "word0.mdb", "word0", "wrdin"},
    {1, "word1.mdb", "word1", "wrd1in"},
    {2, "word2.mdb", "word2", "wrd2in"},
}};

// The level database of a level 0..2; throws EngineError for any other.
const LevelDatabase& levelDatabase(int level);
// The level database of an editor level code 1..3.
const LevelDatabase& levelDatabaseForEditorCode(int code);

// Creates a new, empty word database file for `level` at `path` with its
// table, fields and index. Refuses to overwrite an existing file.
void createLevelDatabase(const std::string& path, int level);

} // namespace lexitor::store
