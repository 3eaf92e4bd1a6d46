#pragma once
// The records of a TSV or CSV file, read from a device a block of lines at
// a time, so that a file of any size needs little memory. A CSV record
// whose quoted fields span lines stays in one block.

#include "wordlist/formats/WordList.h"

#include <QIODevice>

namespace lexitor::wordlist {

class TextRecords {
public:
    // Reads from the start of `device`, after a byte order mark.
    TextRecords(QIODevice& device, Format codec);

    // The records and problems of the next block, in file order (problems
    // of a line before its record); false once the file is read.
    bool next(ParsedList& block);

private:
    QIODevice& device_;
    Format codec_;
    int line_ = 1;
};

// Reads the device from its start, after a byte order mark.
void rewindText(QIODevice& device);

// Hands a block's records and problems on in file order, a line's
// problems before its record.
template <class OnRecord, class OnIssue>
void inFileOrder(ParsedList& block, OnRecord onRecord, OnIssue onIssue) {
    auto issue = block.issues.begin();
    for (ListRecord& record : block.records) {
        for (; issue != block.issues.end() && issue->line <= record.line; ++issue)
            onIssue(std::move(*issue));
        onRecord(std::move(record));
    }
    for (; issue != block.issues.end(); ++issue)
        onIssue(std::move(*issue));
}

} // namespace lexitor::wordlist
