#include "wordlist/formats/PairsReader.h"

#include "wordlist/formats/QuestionRows.h"
#include "wordlist/formats/RowChecks.h"

#include <QRegularExpression>

namespace lexitor::wordlist {

namespace {

bool isNamed(const store::FieldValue& field, std::initializer_list<const char*> names) {
    if (!field)
        return false;
    const QString text = QString::fromStdString(*field).trimmed();
    return std::any_of(names.begin(), names.end(), [&text](const char* name) {
        return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    });
}

bool isHeader(const ListRecord& record) {
    return record.fields.size() == 2 &&
           isNamed(record.fields[0], {"word", "term", "front", "question", "expression"}) &&
           isNamed(record.fields[1],
                   {"ans", "answer", "meaning", "definition", "back", "translation"});
}

bool isAnkiHeader(const ListRecord& record) {
    static const QRegularExpression pattern(QStringLiteral("^#[A-Za-z ]+:"));
    return !record.fields.empty() && record.fields[0] &&
           pattern.match(QString::fromStdString(*record.fields[0])).hasMatch();
}

} // namespace

Format pairsCodec(const QString& fileName, QByteArrayView bytes) {
    const std::optional<Format> named = formatFromFileName(fileName);
    if (named == Format::Tsv || named == Format::Csv)
        return *named;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        if (!line.startsWith('#'))
            return line.contains('\t') ? Format::Tsv : Format::Csv;
        start = end + 1;
    }
    return Format::Csv;
}

ReadList readPairs(QByteArrayView bytes, Format codec, OptionJudge* judge) {
    ReadList result;
    const std::optional<std::vector<ListRecord>> records = parseList(bytes, codec, result.issues);
    if (!records)
        return result;
    auto record = records->cbegin();
    while (record != records->cend() && isAnkiHeader(*record))
        ++record;
    if (record != records->cend() && isHeader(*record))
        ++record;

    std::vector<Question> questions;
    for (; record != records->cend(); ++record) {
        if (record->fields.size() != 2) {
            result.issues.push_back({record->line, QStringLiteral("%1 fields where 2 are needed "
                                                                  "(a word and its meaning)")
                                                       .arg(record->fields.size())});
            continue;
        }
        questions.push_back({record->line, record->fields[0], record->fields[1]});
    }
    result.rows = questionRows(questions, judge);
    checkRows(result.rows, result.place, result.issues);
    return result;
}

} // namespace lexitor::wordlist
