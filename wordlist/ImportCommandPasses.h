#pragma once
// The two readings of an import. The first checks every row by Lexitor's
// rules and against the levels and tells each problem as it comes; the
// second adds the rows that passed, in one transaction. Only what the
// first reading passed is added: a file that changed in between is refused.

#include "store/Recordset.h"
#include "wordlist/LevelFiles.h"
#include "wordlist/formats/RowStream.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>
#include <vector>

namespace lexitor::wordlist {

// The problems of an import on stderr, "file:line: reason", the first
// `shown` of them.
class IssueReport {
public:
    // `keep`: every problem is kept too, for a summary (a bare list's).
    IssueReport(QString file, Place place, std::size_t shown, bool keep = false)
        : file_(std::move(file)), place_(place), shown_(shown), keep_(keep) {}
    void add(const ListIssue& issue);
    // Told, whatever the number of problems; refuses nothing.
    void note(const ListIssue& note) const;
    const std::vector<ListIssue>& kept() const { return kept_; }
    // "... and N more problems" when some were not shown.
    void finish() const;

    std::size_t problems() const { return problems_; }
    // The places that have a problem, each once.
    std::size_t placesWithProblems() const { return places_; }

private:
    QString file_;
    Place place_;
    std::size_t shown_;
    bool keep_;
    std::vector<ListIssue> kept_;
    std::size_t problems_ = 0, places_ = 0;
    std::optional<int> lastPlace_;
};

struct CheckedImport {
    std::vector<bool> passed; // for each row the file gave, in order
    std::size_t rows = 0;     // that passed
    QByteArray digest;        // of the rows that passed
};

// The first reading: every problem goes to `report`, every row that passes
// to `passing` too (a dry run lists them).
CheckedImport checkImport(RowSource& source, Format format, LevelFiles& levels,
                          IssueReport& report,
                          const std::function<void(const ListRow&)>& passing = {});

class FileChanged : public std::runtime_error {
public:
    FileChanged() : std::runtime_error("the file changed while it was imported") {}
};

// The second reading: adds the rows that passed to `table` in one
// transaction; FileChanged when they are not the rows that passed.
void addCheckedRows(RowSource& source, const CheckedImport& checked, store::Database& database,
                    store::Recordset& table);

} // namespace lexitor::wordlist
