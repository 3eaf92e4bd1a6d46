#pragma once
// Bare word lists for import: one word or several per line, separated by
// blanks or commas, each given the entry that the default vocabulary's
// rules make from the installed WordNet.

#include "wordlist/ImportSources.h"
#include "wordlist/formats/WordListReader.h"

namespace lexitor::wordlist {

// The most words a bare list may hold: far more than any syllabus, few
// enough that a list is looked up in seconds.
inline constexpr qsizetype kMaxBareWords = 10000;

// True when `bytes` are UTF-8 text holding words and no header row, judged
// by the first lines.
bool isBareWordList(QByteArrayView bytes);

// The entries for the words of `bytes` at `sources.level` (by how common
// each word is when that is -1), one row per word, with the line, place on
// the line and reason of every word left out, and a note for every
// inflection taught as its base form and every word with an offensive
// sense; one problem of the whole file when WordNet or SCOWL cannot be
// read or the list is too long.
ReadList readBareWords(QByteArrayView bytes, const WordSources& sources);

// " 5 words were left out (listed above): 2 not in WordNet, ..." for the
// problems of a bare list; empty when there are none.
QString wordsLeftOut(const std::vector<ListIssue>& issues);

// The rows a dry run would add, for the user to look over.
void printEntries(const std::vector<ListRow>& rows);

} // namespace lexitor::wordlist
