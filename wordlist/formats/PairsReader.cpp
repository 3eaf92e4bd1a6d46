#include "wordlist/formats/PairsReader.h"

#include "wordlist/formats/TextRecords.h"
#include "wordlist/formats/Utf8Check.h"

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

Format pairsCodec(const QString& fileName, QByteArrayView start) {
    const std::optional<Format> named = formatFromFileName(fileName);
    if (named == Format::Tsv || named == Format::Csv)
        return *named;
    for (qsizetype from = 0; from < start.size();) {
        qsizetype end = start.indexOf('\n', from);
        end = end < 0 ? start.size() : end;
        const QByteArrayView line = start.sliced(from, end - from);
        if (!line.startsWith('#'))
            return line.contains('\t') ? Format::Tsv : Format::Csv;
        from = end + 1;
    }
    return Format::Csv;
}

PairsSource::PairsSource(std::unique_ptr<QIODevice> device, Format codec, OptionJudge* judge)
    : device_(std::move(device)), codec_(codec), questions_(judge) {}

void PairsSource::walk(const std::function<void(const Question&)>& each, RowSink* sink) {
    TextRecords records(*device_, codec_);
    bool preamble = true; // Anki's lines, then a header, may come first
    ParsedList block;
    while (records.next(block)) {
        inFileOrder(
            block,
            [&](ListRecord record) {
                if (preamble && isAnkiHeader(record))
                    return;
                const bool header = preamble && isHeader(record);
                preamble = false;
                if (header)
                    return;
                if (record.fields.size() == 2)
                    each({record.line, std::move(record.fields[0]), std::move(record.fields[1])});
                else if (sink)
                    sink->refuse({record.line, QStringLiteral("%1 fields where 2 are needed "
                                                              "(a word and its meaning)")
                                                   .arg(record.fields.size())});
            },
            [&](ListIssue issue) {
                if (sink)
                    sink->refuse(std::move(issue));
            });
    }
}

void PairsSource::read(RowSink& sink) {
    if (!notUtf8_) {
        notUtf8_ = notUtf8(*device_);
        if (!*notUtf8_)
            walk([this](const Question& q) { questions_.add(q); }, nullptr);
    }
    if (*notUtf8_) {
        sink.refuse(**notUtf8_);
        return;
    }
    questions_.start();
    walk([&](const Question& q) { sink.take(questions_.row(q)); }, &sink);
}

} // namespace lexitor::wordlist
