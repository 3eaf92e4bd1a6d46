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
    const std::pair<const char*, const store::FieldValue*> fields[] = {
        {"word", &r.word}, {"ans", &r.ans}, {"c1", &r.c1},
        {"c2", &r.c2},     {"c3", &r.c3},   {"ref", &r.ref}};
    for (const auto& [name, value] : fields) {
        const bool wrongMeaning = name[0] == 'c';
        if (wrongMeaning && !*value)
            problems.append(QStringLiteral("%1 is null; only ref may be null").arg(name));
        if (*value && (*value)->find('\0') != std::string::npos)
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
    QSet<int> named;
    for (const ListIssue& issue : issues)
        named.insert(issue.line);
    std::vector<ListRow> kept;
    for (const ListRow& row : rows) {
        if (!named.contains(row.line))
            kept.push_back(row);
    }
    return kept;
}

} // namespace lexitor::wordlist
