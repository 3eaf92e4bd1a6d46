#pragma once
// Every kind of file `import` reads, as a source of the same rows and
// problems: six-column TSV and CSV lists, two-column lists, KVTML
// collections, the level table of a Jet file and bare lists of words.
// Another kind of file needs only a source here; Lexitor's rules for rows,
// the levels, --skip-invalid, --dry-run and the report are the import's own.

#include "wordlist/formats/KvtmlReader.h"

#include <QString>

#include <memory>

namespace lexitor::wordlist {

// Where the entries of a bare word list come from, and for which level.
struct WordSources {
    QString wordnet;
    QString scowl;
    int level = 0;
};

struct ImportRequest {
    QString path;
    Format format = Format::Tsv;
    QString table;             // Jet: the table to read; empty for the level table
    KvtmlOptions translations; // KVTML
    WordSources words;         // bare words
};

// The format of the file at `path`: `given`, else a Jet file by its first
// bytes, else KVTML by its extension, else bare words when the text holds
// nothing else, else what the extension tells; std::nullopt when nothing does.
std::optional<Format> importFormat(const QString& path, std::optional<Format> given);

// The rows of the file the request names, read as they are needed; a file
// that cannot be read gives one problem of the whole file.
std::unique_ptr<RowSource> openImportSource(const ImportRequest& request);

} // namespace lexitor::wordlist
