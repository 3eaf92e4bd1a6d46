#include "wordlist/ImportCommandPasses.h"

#include "store/MessageText.h"
#include "wordlist/CommandLine.h"
#include "wordlist/LevelWriter.h"
#include "wordlist/formats/RowChecks.h"

#include <QCryptographicHash>

namespace lexitor::wordlist {

namespace {

// What the two readings compare: every field of every row that passed.
class RowDigest {
public:
    void add(const ListRow& row) {
        for (const store::WordField& field : store::kWordFields) {
            const store::FieldValue& value = row.record.*field.member;
            const qint64 size = value ? qint64(value->size()) : -1;
            hash_.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
            if (value)
                hash_.addData(QByteArrayView(value->data(), qsizetype(value->size())));
        }
    }
    QByteArray result() const { return hash_.result(); }

private:
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

class CheckPass final : public RowSink {
public:
    CheckPass(Format format, Place place, LevelFiles& levels, IssueReport& report,
              const std::function<void(const ListRow&)>& passing)
        : checks_(format, place), levels_(levels), report_(report), passing_(passing) {}

    void take(ListRow row) override {
        std::vector<ListIssue> issues = checks_.check(row);
        if (issues.empty()) {
            if (const std::optional<int> level = levels_.levelHolding(*row.record.word))
                issues.push_back(
                    {row.line, QStringLiteral("the word \"%1\" is already in level %2")
                                   .arg(QString::fromStdString(
                                            store::excerpt(store::searchWord(*row.record.word))),
                                        QString::number(*level))});
        }
        result.passed.push_back(issues.empty());
        for (ListIssue& issue : issues) {
            issue.item = row.item; // a word of a bare list's line, not the line
            report_.add(issue);
        }
        if (!issues.empty())
            return;
        ++result.rows;
        digest_.add(row);
        if (passing_)
            passing_(row);
    }
    void refuse(ListIssue issue) override { report_.add(issue); }
    void note(const ListIssue& note) override { report_.note(note); }

    CheckedImport finish() {
        result.digest = digest_.result();
        return std::move(result);
    }

private:
    CheckedImport result;
    RowChecks checks_;
    LevelFiles& levels_;
    IssueReport& report_;
    const std::function<void(const ListRow&)>& passing_;
    RowDigest digest_;
};

class WritePass final : public RowSink {
public:
    WritePass(const CheckedImport& checked, LevelAppender& appender)
        : checked_(checked), appender_(appender) {}

    void take(ListRow row) override {
        if (next_ >= checked_.passed.size())
            throw FileChanged();
        if (!checked_.passed[next_++])
            return;
        digest_.add(row);
        appender_.add(row.record);
    }
    void refuse(ListIssue) override {}

    bool sameRows() const {
        return next_ == checked_.passed.size() && digest_.result() == checked_.digest;
    }

private:
    const CheckedImport& checked_;
    LevelAppender& appender_;
    std::size_t next_ = 0;
    RowDigest digest_;
};

} // namespace

void IssueReport::note(const ListIssue& note) const {
    printError(placeText(file_, note.place.value_or(place_), note.line) + note.reason);
}

void IssueReport::add(const ListIssue& issue) {
    if (keep_)
        kept_.push_back(issue);
    if (problems_++ < shown_)
        printError(placeText(file_, issue.place.value_or(place_), issue.line) + issue.reason);
    if (issue.line != kWholeFile && lastPlace_ != issue.line) {
        ++places_;
        lastPlace_ = issue.line;
    }
}

void IssueReport::finish() const {
    if (problems_ > shown_)
        printError(QStringLiteral("... and %1 more problems").arg(problems_ - shown_));
}

CheckedImport checkImport(RowSource& source, Format format, LevelFiles& levels,
                          IssueReport& report,
                          const std::function<void(const ListRow&)>& passing) {
    CheckPass pass(format, source.place(), levels, report, passing);
    source.read(pass);
    return pass.finish();
}

void addCheckedRows(RowSource& source, const CheckedImport& checked, store::Database& database,
                    store::Recordset& table) {
    LevelAppender appender(database, table, QStringLiteral("Importing"), qsizetype(checked.rows));
    WritePass pass(checked, appender);
    source.read(pass);
    if (!pass.sameRows())
        throw FileChanged();
    appender.commit();
}

} // namespace lexitor::wordlist
