#pragma once
// Bare word lists for import: one word or several per line, separated by
// blanks or commas, each given the entry that the default vocabulary's
// rules make from the installed WordNet.

#include "tools/wordlist/CommandLine.h"
#include "tools/wordlist/WordListReader.h"

namespace lexitor::tools::wordlist {

// True when `bytes` are UTF-8 text holding words and no header row.
bool isBareWordList(QByteArrayView bytes);

// The entries for the words of `bytes` at `options.level`, with the line and
// reason of every word left out. Nothing, after saying why, when WordNet or
// SCOWL cannot be read.
std::optional<ReadList> readBareWords(QByteArrayView bytes, const Options& options);

// The rows a dry run would add, for the user to look over.
void printEntries(const std::vector<ListRow>& rows);

} // namespace lexitor::tools::wordlist
