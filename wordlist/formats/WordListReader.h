#pragma once
// Six-column word lists, TSV or CSV, whose first row is the header word,
// ans, c1, c2, c3, ref: every further row of six fields is a row to import.
// The file is refused when it is not UTF-8 or lacks the header; a row of
// another number of fields is a problem of its own. Lexitor's rules for the
// rows themselves are in RowChecks.

#include "wordlist/formats/RowStream.h"

#include <memory>

namespace lexitor::wordlist {

class WordListSource final : public RowSource {
public:
    WordListSource(std::unique_ptr<QIODevice> device, Format codec);
    Place place() const override { return Place::Line; }
    void read(RowSink& sink) override;

private:
    std::unique_ptr<QIODevice> device_;
    Format codec_;
};

} // namespace lexitor::wordlist
