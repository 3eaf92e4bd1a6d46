#include "wordlist/vocabulary/LevelTsv.h"

#include <QSaveFile>

namespace lexitor::wordlist::vocabulary {

std::optional<QByteArray> levelTsv(const std::vector<store::WordRecord>& records,
                                   QString* problem) {
    QByteArray out;
    for (std::size_t i = 0; i < store::kWordFields.size(); ++i) {
        out += i ? "\t" : "";
        out.append(store::kWordFields[i].name.data(), qsizetype(store::kWordFields[i].name.size()));
    }
    out += '\n';
    for (const store::WordRecord& r : records) {
        for (std::size_t i = 0; i < store::kWordFields.size(); ++i) {
            out += i ? "\t" : "";
            const store::FieldValue& value = r.*store::kWordFields[i].member;
            if (!value) {
                out += "\\N";
                continue;
            }
            if (value->find_first_of("\t\r\n") != std::string::npos || *value == "\\N") {
                if (problem)
                    *problem = QStringLiteral("the %1 of \"%2\" cannot be written to TSV")
                                   .arg(QLatin1StringView(store::kWordFields[i].name.data()),
                                        QString::fromStdString(r.word.value_or("")));
                return std::nullopt;
            }
            out.append(value->data(), qsizetype(value->size()));
        }
        out += '\n';
    }
    return out;
}

std::optional<QString> writeLevelTsv(const QString& path,
                                     const std::vector<store::WordRecord>& records) {
    QString problem;
    const std::optional<QByteArray> text = levelTsv(records, &problem);
    if (!text)
        return problem;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*text) != text->size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace lexitor::wordlist::vocabulary
