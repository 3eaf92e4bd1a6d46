#pragma once
// Turns the bytes of a word list file into the rows to import, with every
// reason to refuse the file: not UTF-8, a bad header, a wrong number of
// fields, a missing word or answer, a null where a text is needed, a word
// that the list holds twice.

#include "store/WordRecord.h"
#include "wordlist/formats/WordList.h"

#include <QByteArrayView>

namespace lexitor::wordlist {

struct ListRow {
    int line = 0;
    store::WordRecord record;
    int item = 0; // which word of a bare list's line; 0 for a whole line or row
};

struct ReadList {
    std::vector<ListRow> rows;
    std::vector<ListIssue> issues;
    std::vector<ListIssue> notes; // told, not refused: the base form taken for an inflection
    Place place = Place::Line;    // what ListRow::line and ListIssue::line count
};

ReadList readWordList(QByteArrayView bytes, Format format);

// The records of a TSV or CSV file (`codec`) with their issues added to
// `issues`; std::nullopt, with the one issue, when the file is not UTF-8.
std::optional<std::vector<ListRecord>> parseList(QByteArrayView bytes, Format codec,
                                                 std::vector<ListIssue>& issues);

// The word as the duplicate test seeks it: without surrounding blanks.
std::string searchWord(const std::string& word);

// Present, and long enough by the rule the "Add Records" screen follows.
bool isLongEnough(const store::FieldValue& text, int minimum);

} // namespace lexitor::wordlist
