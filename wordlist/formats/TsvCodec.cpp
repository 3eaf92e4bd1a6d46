#include "wordlist/formats/TsvCodec.h"

namespace lexitor::wordlist {

ParsedList parseTsv(QByteArrayView text, int firstLine) {
    ParsedList parsed;
    int lineNumber = firstLine - 1;
    qsizetype start = 0;
    while (start < text.size()) {
        ++lineNumber;
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.contains('\r')) {
            parsed.issues.push_back(
                {lineNumber, QStringLiteral("a field holds a carriage return; "
                                            "TSV cannot hold line breaks (use CSV)")});
            continue;
        }
        ListRecord record{lineNumber, {}};
        for (qsizetype from = 0;;) {
            qsizetype tab = line.indexOf('\t', from);
            const QByteArrayView field = line.sliced(from, (tab < 0 ? line.size() : tab) - from);
            if (field == QByteArrayView(kTsvNull.data(), qsizetype(kTsvNull.size())))
                record.fields.emplace_back(std::nullopt);
            else
                record.fields.emplace_back(std::string(field.data(), std::size_t(field.size())));
            if (tab < 0)
                break;
            from = tab + 1;
        }
        parsed.records.push_back(std::move(record));
    }
    return parsed;
}

std::optional<WriteProblem> writeTsv(const std::vector<Fields>& rows, QByteArray& out) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Fields& fields = rows[r];
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (f > 0)
                out += '\t';
            if (!fields[f]) {
                out.append(kTsvNull.data(), kTsvNull.size());
                continue;
            }
            const std::string& value = *fields[f];
            if (value.find_first_of("\t\r\n") != std::string::npos)
                return WriteProblem{r, f, QStringLiteral("holds a tab or a line break")};
            if (value == kTsvNull)
                return WriteProblem{r, f,
                                    QStringLiteral("is the text \\N, which TSV reads as null")};
            out.append(value.data(), static_cast<qsizetype>(value.size()));
        }
        out += '\n';
    }
    return std::nullopt;
}

} // namespace lexitor::wordlist
