#pragma once
// A source's rows and problems as the import's checks leave them: every
// row the file gives, and the problems of the file and of its rows in the
// order they come.

#include "wordlist/formats/RowChecks.h"

namespace lexitor::testing {

inline wordlist::ReadList readChecked(wordlist::RowSource& source, wordlist::Format format) {
    struct Sink final : wordlist::RowSink {
        Sink(wordlist::Format format, wordlist::Place place) : checks(format, place) {}
        void take(wordlist::ListRow row) override {
            for (wordlist::ListIssue& issue : checks.check(row))
                list.issues.push_back(std::move(issue));
            list.rows.push_back(std::move(row));
        }
        void refuse(wordlist::ListIssue issue) override { list.issues.push_back(std::move(issue)); }
        wordlist::RowChecks checks;
        wordlist::ReadList list;
    } sink(format, source.place());
    source.read(sink);
    sink.list.place = source.place();
    return std::move(sink.list);
}

} // namespace lexitor::testing
