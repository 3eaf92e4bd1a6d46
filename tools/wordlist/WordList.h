#pragma once
// The in-memory form of a word list file: rows of optional texts, each with
// the line it starts on, and the problems found while reading or writing it.

#include "store/Engine.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace lexitor::tools::wordlist {

// Words: a bare list of words, whose entries are made from WordNet.
enum class Format { Tsv, Csv, Words };

// The fields of one row in file order; std::nullopt is a null.
using Fields = std::vector<store::FieldValue>;

struct ListRecord {
    int line = 0; // the line the row starts on, counting from 1
    Fields fields;
};

// A reason to refuse a file, tied to a line (0 when it concerns no line).
struct ListIssue {
    int line = 0;
    QString reason;
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

// "tsv", "csv" or "words" (any case); std::nullopt for anything else.
std::optional<Format> formatFromName(const QString& name);
// The format a file name's extension implies (.tsv, .tab, .csv).
std::optional<Format> formatFromFileName(const QString& fileName);
QString formatName(Format format);
// How a null is written in the format, for messages.
QString nullSpelling(Format format);

} // namespace lexitor::tools::wordlist
