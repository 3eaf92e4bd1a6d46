#pragma once
// KVTML 2.0, the XML vocabulary format of the KDE education programs: each
// entry holds translations (one per identifier, i.e. language), each with a
// text and optionally a comment, example sentences and multiple-choice
// choices; lessons and word types are nested containers naming entries.

#include "wordlist/formats/QuestionRows.h"

#include <QByteArrayView>

#include <optional>

namespace lexitor::wordlist {

struct KvtmlOptions {
    int from = 0;          // the translation that holds the word
    std::optional<int> to; // the one that holds the answer; default 1, or
                           // the word's comment in a one-language file
};

// The rows of a KVTML file, placed by entry id: the word, the answer, the
// wrong meanings (see questionRows) and the entry's first example as ref,
// texts exactly as the file has them; and every reason to refuse an entry
// or, when the file cannot be read as KVTML 2.0, the whole file.
ReadList readKvtml(QByteArrayView bytes, const KvtmlOptions& options, OptionJudge* judge = nullptr);

} // namespace lexitor::wordlist
