#include "wordlist/formats/RowChecks.h"

#include "store/IndexKey.h"
#include "store/WordRules.h"

#include <QHash>
#include <QSet>

namespace lexitor::wordlist {

QStringList rowProblems(const store::WordRecord& r) {
    QStringList problems;
    if (!isLongEnough(r.word, store::kShortestWord))
        problems.append(QStringLiteral("the word is missing or shorter than 2 characters"));
    if (!isLongEnough(r.ans, store::kShortestAnswer))
        problems.append(QStringLiteral("the answer (ans) is missing or shorter than 2 characters"));
    for (const store::WordField& field : store::kWordFields) {
        const store::FieldValue& value = r.*field.member;
        const QLatin1StringView name(field.name.data(), qsizetype(field.name.size()));
        const bool wrongMeaning = field.name[0] == 'c';
        if (wrongMeaning && !value)
            problems.append(QStringLiteral("%1 is null; only ref may be null").arg(name));
        if (value && value->find('\0') != std::string::npos)
            problems.append(QStringLiteral("%1 holds a NUL character").arg(name));
    }
    return problems;
}

void checkRows(const std::vector<ListRow>& rows, Place place, std::vector<ListIssue>& issues) {
    QHash<QByteArray, int> firstAt;
    for (const ListRow& row : rows) {
        const QStringList problems = rowProblems(row.record);
        for (const QString& problem : problems)
            issues.push_back({row.line, problem});
        if (!problems.isEmpty())
            continue;
        const QByteArray key = QByteArray::fromStdString(store::indexKey(row.record.word).folded);
        if (const auto seen = firstAt.constFind(key); seen != firstAt.cend())
            issues.push_back(
                {row.line, QStringLiteral("the word \"%1\" is already on %2")
                               .arg(QString::fromStdString(searchWord(*row.record.word)),
                                    placeName(place, *seen))});
        else
            firstAt.insert(key, row.line);
    }
}

std::vector<ListRow> rowsWithoutIssues(const std::vector<ListRow>& rows,
                                       const std::vector<ListIssue>& issues) {
    QSet<std::pair<int, int>> named;
    for (const ListIssue& issue : issues)
        named.insert({issue.line, issue.item});
    std::vector<ListRow> kept;
    for (const ListRow& row : rows) {
        if (!named.contains({row.line, 0}) && !named.contains({row.line, row.item}))
            kept.push_back(row);
    }
    return kept;
}

} // namespace lexitor::wordlist
