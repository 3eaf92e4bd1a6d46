#include "wordlist/formats/WordListReader.h"

#include "store/IndexKey.h"
#include "store/WordRules.h"
#include "wordlist/formats/CsvCodec.h"
#include "wordlist/formats/TsvCodec.h"
#include "wordlist/formats/Utf8Check.h"

#include <QHash>

#include <algorithm>

namespace lexitor::wordlist {

namespace {

constexpr std::size_t kFieldCount = store::kWordFields.size();

QString headerIssue() {
    return QStringLiteral("the first row must be the header word, ans, c1, c2, c3, ref "
                          "(these names, in this order)");
}

bool isHeader(const ListRecord& record) {
    if (record.fields.size() != kFieldCount)
        return false;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const store::FieldValue& field = record.fields[i];
        const auto expected = store::kWordFields[i].name;
        if (!field || QString::fromUtf8(*field).trimmed().compare(
                          QLatin1String(expected.data(), qsizetype(expected.size())),
                          Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

QString fieldName(std::size_t i) {
    return QString::fromLatin1(store::kWordFields[i].name.data(),
                               qsizetype(store::kWordFields[i].name.size()));
}

// The problems of one data row, in field order.
void checkRow(const ListRecord& record, Format format, std::vector<ListIssue>& issues) {
    const int line = record.line;
    if (record.fields.size() != kFieldCount) {
        issues.push_back({line, QStringLiteral("%1 fields where 6 are needed "
                                               "(word, ans, c1, c2, c3, ref)")
                                    .arg(record.fields.size())});
        return;
    }
    if (!isLongEnough(record.fields[0], store::kShortestWord))
        issues.push_back(
            {line, QStringLiteral("the word is missing or shorter than 2 characters")});
    if (!isLongEnough(record.fields[1], store::kShortestAnswer))
        issues.push_back(
            {line, QStringLiteral("the answer (ans) is missing or shorter than 2 characters")});
    for (std::size_t i = 2; i < 5; ++i) {
        if (!record.fields[i])
            issues.push_back({line, QStringLiteral("%1 is null (%2); only ref may be null")
                                        .arg(fieldName(i), nullSpelling(format))});
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (record.fields[i] && record.fields[i]->find('\0') != std::string::npos)
            issues.push_back({line, QStringLiteral("%1 holds a NUL character").arg(fieldName(i))});
    }
}

} // namespace

bool isLongEnough(const store::FieldValue& text, int minimum) {
    return text && store::isLongEnough(*text, minimum);
}

std::string searchWord(const std::string& word) {
    return QString::fromUtf8(word).trimmed().toStdString();
}

std::optional<std::vector<ListRecord>> parseList(QByteArrayView bytes, Format codec,
                                                 std::vector<ListIssue>& issues) {
    const std::optional<QByteArrayView> text = listText(bytes, issues);
    if (!text)
        return std::nullopt;
    ParsedList parsed = codec == Format::Tsv ? parseTsv(*text) : parseCsv(*text);
    issues.insert(issues.end(), parsed.issues.begin(), parsed.issues.end());
    return std::move(parsed.records);
}

ReadList readWordList(QByteArrayView bytes, Format format) {
    ReadList result;
    const std::optional<std::vector<ListRecord>> records = parseList(bytes, format, result.issues);
    if (!records)
        return result;
    if (records->empty() || !isHeader(records->front())) {
        const int line = records->empty() ? 1 : records->front().line;
        result.issues.insert(result.issues.begin(), ListIssue{line, headerIssue()});
        return result;
    }

    // Keyed as the store's index compares words, so the list's own repeats
    // follow the same rule as the duplicate test against the levels.
    QHash<QByteArray, int> firstLineOf;
    for (std::size_t r = 1; r < records->size(); ++r) {
        const ListRecord& record = (*records)[r];
        const std::size_t before = result.issues.size();
        checkRow(record, format, result.issues);
        if (result.issues.size() != before)
            continue;
        const QByteArray key = QByteArray::fromStdString(store::indexKey(record.fields[0]).folded);
        if (const auto seen = firstLineOf.constFind(key); seen != firstLineOf.cend()) {
            result.issues.push_back(
                {record.line,
                 QStringLiteral("the word \"%1\" is already on line %2")
                     .arg(QString::fromUtf8(*record.fields[0]).trimmed(), QString::number(*seen))});
            continue;
        }
        firstLineOf.insert(key, record.line);
        const Fields& f = record.fields;
        result.rows.push_back({record.line, store::WordRecord{f[0], f[1], f[2], f[3], f[4], f[5]}});
    }
    std::stable_sort(result.issues.begin(), result.issues.end(),
                     [](const ListIssue& a, const ListIssue& b) { return a.line < b.line; });
    return result;
}

} // namespace lexitor::wordlist
