#pragma once
// The in-memory form of a word list file: rows of optional texts, each with
// the line it starts on, and the problems found while reading or writing it.

#include "store/Engine.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace lexitor::wordlist {

// Tsv and Csv are also the two text codecs; Pairs (a word and its meaning
// per row) is read with one of them. Words: a bare list of words, whose
// entries are made from WordNet.
enum class Format { Tsv, Csv, Pairs, Kvtml, Jet, Words };

// What the number that places a row or a problem in its file counts.
enum class Place { Line, Entry, Row };

// The fields of one row in file order; std::nullopt is a null.
using Fields = std::vector<store::FieldValue>;

struct ListRecord {
    int line = 0; // the line the row starts on, counting from 1
    Fields fields;
};

// A reason to refuse a file or one of its rows, tied to the row's position
// (see Place): a line (0 when it concerns no line), a KVTML entry id or a
// Jet table row; kWholeFile when it concerns the file as a whole.
inline constexpr int kWholeFile = -1;

struct ListIssue {
    int line = 0;
    QString reason;
    int item = 0; // which word of a bare list's line; 0: the whole line or row
};

struct ParsedList {
    std::vector<ListRecord> records;
    std::vector<ListIssue> issues;
};

// A value that the chosen format cannot hold, found while writing.
struct WriteProblem {
    std::size_t row = 0; // index into the rows given to the writer
    std::size_t field = 0;
    QString reason;
};

// "tsv", "csv", "pairs", "kvtml", "jet" or "words" (any case); std::nullopt
// for anything else.
std::optional<Format> formatFromName(const QString& name);
// The format a file name's extension implies (.tsv, .tab, .csv, .kvtml,
// .mdb); never Pairs, which looks like TSV or CSV.
std::optional<Format> formatFromFileName(const QString& fileName);
QString formatName(Format format);
// How a null is written in the format, for messages.
QString nullSpelling(Format format);
// Where a problem is, for messages: "file:3: " for a line, "file: entry 3: ",
// "file: row 3: ", and "file: " for the file as a whole (kWholeFile, or line
// or row 0).
QString placeText(const QString& file, Place place, int position);
// "line 3", "entry 3" or "row 3".
QString placeName(Place place, int position);

} // namespace lexitor::wordlist
