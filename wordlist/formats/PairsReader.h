#pragma once
// Two-column word lists, the shape flash-card programs and spreadsheets
// export: a word and its meaning per row, TSV or CSV, with an optional
// header row (and the "#name:value" lines Anki puts first).

#include "wordlist/formats/QuestionRows.h"

#include <QByteArrayView>
#include <QString>

namespace lexitor::wordlist {

// The codec of a two-column list: from the file's extension, else TSV when
// its first line (after Anki's "#" lines) holds a tab and CSV when not.
Format pairsCodec(const QString& fileName, QByteArrayView bytes);

// The rows of a two-column list, placed by line, with wrong meanings from
// the other rows (see questionRows) and a null ref.
ReadList readPairs(QByteArrayView bytes, Format codec, OptionJudge* judge = nullptr);

} // namespace lexitor::wordlist
