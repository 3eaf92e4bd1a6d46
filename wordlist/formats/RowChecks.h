#pragma once
// Lexitor's own rules for a row to import, whatever kind of file it comes
// from, as "Add Records" has them: a word and an answer long enough, no
// null wrong meaning, texts that are UTF-8 without control characters, and
// no word twice in one list. The levels are the import's to check.

#include "store/LevelWords.h"
#include "wordlist/formats/RowStream.h"
#include "wordlist/formats/TextArena.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <string_view>

namespace lexitor::wordlist {

// Repeats within one list: the first place of every word, words compared as
// the level index compares them (store/WordRules.h), in little memory.
class FirstPlaces {
public:
    // Where `word` was first seen; nullopt, after noting `place`, when it
    // is new.
    std::optional<int> firstOf(std::string_view word, int place);
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        TextArena::Ref key;
        int place = 0;
    };
    std::size_t slotOf(std::string_view key) const;
    void grow();

    TextArena keys_;
    std::deque<Entry> entries_;
    std::vector<std::uint32_t> slots_; // entry index + 1; 0 for a free slot
};

using store::searchWord;

// Present, and long enough by the rule the "Add Records" screen follows.
bool isLongEnough(const store::FieldValue& text, int minimum);

// What is wrong with one row, in field order; empty when nothing. `format`
// names how the file writes a null, for the message.
QStringList rowProblems(const store::WordRecord& record, Format format = Format::Jet);

// The problems of every row of one list, a repeat included.
class RowChecks {
public:
    RowChecks(Format format, Place place) : format_(format), place_(place) {}
    // The row's problems; empty when it passes, and its word is then
    // remembered for the rows after it.
    std::vector<ListIssue> check(const ListRow& row);

private:
    Format format_;
    Place place_;
    FirstPlaces firstPlaces_;
};

} // namespace lexitor::wordlist
