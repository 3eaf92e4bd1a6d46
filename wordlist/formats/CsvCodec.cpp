#include "wordlist/formats/CsvCodec.h"

namespace lexitor::wordlist {

namespace {

// Reads one row from `pos` on; the caller has skipped empty lines.
class RowReader {
public:
    RowReader(QByteArrayView text, qsizetype& pos, int& line)
        : text_(text), pos_(pos), line_(line) {}

    // Fills `record`; on a malformed row returns the issue and leaves `pos`
    // at the start of the next physical line.
    std::optional<ListIssue> read(ListRecord& record) {
        record.line = line_;
        for (;;) {
            std::optional<ListIssue> issue =
                peek() == '"' ? readQuoted(record) : readUnquoted(record);
            if (issue) {
                skipToNextLine();
                return issue;
            }
            if (atEnd())
                return std::nullopt;
            const char c = text_[pos_];
            if (c == ',') {
                ++pos_;
                continue;
            }
            if (c == '\n') {
                ++pos_;
                ++line_;
                return std::nullopt;
            }
            if (c == '\r' && peek(1) == '\n') {
                pos_ += 2;
                ++line_;
                return std::nullopt;
            }
            skipToNextLine();
            return ListIssue{record.line, QStringLiteral("a carriage return outside quotes; "
                                                         "quote a field that holds a line break")};
        }
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek(qsizetype ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    std::optional<ListIssue> readQuoted(ListRecord& record) {
        const int startLine = line_;
        ++pos_; // opening quote
        std::string value;
        for (;;) {
            if (atEnd())
                return ListIssue{startLine, QStringLiteral("a quoted field is never closed")};
            const char c = text_[pos_++];
            if (c == '"') {
                if (peek() != '"')
                    break;
                ++pos_;
            } else if (c == '\n') {
                ++line_;
            }
            value += c;
        }
        const char next = peek();
        if (!atEnd() && next != ',' && next != '\n' && next != '\r')
            return ListIssue{line_, QStringLiteral("text after a closing quote; a quote inside "
                                                   "a quoted field must be doubled")};
        record.fields.emplace_back(std::move(value));
        return std::nullopt;
    }

    std::optional<ListIssue> readUnquoted(ListRecord& record) {
        const qsizetype start = pos_;
        while (!atEnd() && text_[pos_] != ',' && text_[pos_] != '\n' && text_[pos_] != '\r') {
            if (text_[pos_] == '"')
                return ListIssue{line_, QStringLiteral("a quote inside an unquoted field; "
                                                       "quote the field and double the quote")};
            ++pos_;
        }
        if (pos_ == start)
            record.fields.emplace_back(std::nullopt);
        else
            record.fields.emplace_back(
                std::string(text_.data() + start, std::size_t(pos_ - start)));
        return std::nullopt;
    }

    void skipToNextLine() {
        while (!atEnd() && text_[pos_] != '\n')
            ++pos_;
        if (!atEnd()) {
            ++pos_;
            ++line_;
        }
    }

    QByteArrayView text_;
    qsizetype& pos_;
    int& line_;
};

bool needsQuotes(const std::string& value) {
    if (value.empty())
        return true; // an unquoted empty field is a null
    if (value.find_first_of(",\"\r\n\t") != std::string::npos)
        return true;
    // Spreadsheets tend to trim unquoted fields; quoting keeps the blanks.
    return value.front() == ' ' || value.back() == ' ';
}

} // namespace

ParsedList parseCsv(QByteArrayView text, int firstLine) {
    ParsedList parsed;
    qsizetype pos = 0;
    int line = firstLine;
    RowReader reader(text, pos, line);
    while (pos < text.size()) {
        if (text[pos] == '\n' ||
            (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')) {
            pos += text[pos] == '\n' ? 1 : 2;
            ++line;
            continue;
        }
        ListRecord record;
        if (std::optional<ListIssue> issue = reader.read(record))
            parsed.issues.push_back(std::move(*issue));
        else
            parsed.records.push_back(std::move(record));
    }
    return parsed;
}

void writeCsv(const std::vector<Fields>& rows, QByteArray& out) {
    for (const Fields& fields : rows) {
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (f > 0)
                out += ',';
            if (!fields[f])
                continue;
            const std::string& value = *fields[f];
            if (!needsQuotes(value)) {
                out.append(value.data(), qsizetype(value.size()));
                continue;
            }
            out += '"';
            for (const char c : value) {
                if (c == '"')
                    out += '"';
                out += c;
            }
            out += '"';
        }
        out += "\r\n";
    }
}

} // namespace lexitor::wordlist
