#pragma once
// One row of a level table and the names of the level databases.

#include "store/Engine.h"

#include <array>
#include <string_view>

namespace lexitor::store {

struct WordRecord {
    FieldValue word, ans, c1, c2, c3, ref;
    friend bool operator==(const WordRecord&, const WordRecord&) = default;
};

inline constexpr std::array<std::string_view, 6> kWordFields = {"word", "ans", "c1",
                                                                "c2",   "c3",  "ref"};

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
