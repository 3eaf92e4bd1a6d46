#include "wordlist/formats/WordListReader.h"

#include "wordlist/formats/TextRecords.h"
#include "wordlist/formats/Utf8Check.h"

namespace lexitor::wordlist {

namespace {

constexpr std::size_t kFieldCount = store::kWordFields.size();

ListIssue headerIssue(int line) {
    return {line, QStringLiteral("the first row must be the header word, ans, c1, c2, c3, ref "
                                 "(these names, in this order)")};
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

} // namespace

WordListSource::WordListSource(std::unique_ptr<QIODevice> device, Format codec)
    : device_(std::move(device)), codec_(codec) {}

void WordListSource::read(RowSink& sink) {
    if (std::optional<ListIssue> issue = notUtf8(*device_)) {
        sink.refuse(std::move(*issue));
        return;
    }
    TextRecords records(*device_, codec_);
    bool header = false; // seen
    bool refused = false;
    ParsedList block;
    while (!refused && records.next(block)) {
        inFileOrder(
            block,
            [&](ListRecord record) {
                if (refused)
                    return;
                if (!header) {
                    // Nothing else of a file without its header is told.
                    header = isHeader(record);
                    refused = !header;
                    if (refused)
                        sink.refuse(headerIssue(record.line));
                } else if (record.fields.size() != kFieldCount) {
                    sink.refuse({record.line, QStringLiteral("%1 fields where 6 are needed "
                                                             "(word, ans, c1, c2, c3, ref)")
                                                  .arg(record.fields.size())});
                } else {
                    Fields& f = record.fields;
                    sink.take({record.line, {std::move(f[0]), std::move(f[1]), std::move(f[2]),
                                             std::move(f[3]), std::move(f[4]), std::move(f[5])}});
                }
            },
            [&](ListIssue issue) {
                if (!refused)
                    sink.refuse(std::move(issue));
            });
    }
    if (!header && !refused)
        sink.refuse(headerIssue(1));
}

} // namespace lexitor::wordlist
