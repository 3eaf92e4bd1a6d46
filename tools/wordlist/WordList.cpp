#include "tools/wordlist/WordList.h"

#include <QFileInfo>

namespace lexitor::tools::wordlist {

std::optional<Format> formatFromName(const QString& name) {
    const QString lower = name.toLower();
    if (lower == u"tsv")
        return Format::Tsv;
    if (lower == u"csv")
        return Format::Csv;
    if (lower == u"words")
        return Format::Words;
    return std::nullopt;
}

std::optional<Format> formatFromFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"tab")
        return Format::Tsv;
    return formatFromName(suffix);
}

QString formatName(Format format) {
    return format == Format::Tsv ? QStringLiteral("TSV") : QStringLiteral("CSV");
}

QString nullSpelling(Format format) {
    return format == Format::Tsv ? QStringLiteral("\\N")
                                 : QStringLiteral("an unquoted empty field");
}

} // namespace lexitor::tools::wordlist
