#pragma once
// Bare word lists for import: one word or several per line, separated by
// blanks or commas, each given the entry that the default vocabulary's
// rules make from the installed WordNet.

#include "wordlist/ImportSources.h"
#include "wordlist/formats/WordListReader.h"

namespace lexitor::wordlist {

// True when `bytes` are UTF-8 text holding words and no header row.
bool isBareWordList(QByteArrayView bytes);

// The entries for the words of `bytes` at `sources.level`, with the line and
// reason of every word left out; one problem of the whole file when WordNet
// or SCOWL cannot be read.
ReadList readBareWords(QByteArrayView bytes, const WordSources& sources);

// The rows a dry run would add, for the user to look over.
void printEntries(const std::vector<ListRow>& rows);

} // namespace lexitor::wordlist
