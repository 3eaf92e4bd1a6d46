#include "wordlist/formats/WordList.h"

#include <QFileInfo>

namespace lexitor::wordlist {

std::optional<Format> formatFromName(const QString& name) {
    const QString lower = name.toLower();
    if (lower == u"tsv")
        return Format::Tsv;
    if (lower == u"csv")
        return Format::Csv;
    if (lower == u"pairs")
        return Format::Pairs;
    if (lower == u"kvtml")
        return Format::Kvtml;
    if (lower == u"jet" || lower == u"mdb")
        return Format::Jet;
    if (lower == u"words")
        return Format::Words;
    return std::nullopt;
}

std::optional<Format> formatFromFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"tab")
        return Format::Tsv;
    const std::optional<Format> format = formatFromName(suffix);
    return format == Format::Pairs ? std::nullopt : format;
}

QString formatName(Format format) {
    switch (format) {
    case Format::Tsv:
        return QStringLiteral("TSV");
    case Format::Csv:
        return QStringLiteral("CSV");
    case Format::Pairs:
        return QStringLiteral("two-column list");
    case Format::Kvtml:
        return QStringLiteral("KVTML");
    case Format::Jet:
        return QStringLiteral("Jet");
    case Format::Words:
        return QStringLiteral("bare words");
    }
    return {};
}

QString nullSpelling(Format format) {
    return format == Format::Csv ? QStringLiteral("an unquoted empty field")
                                 : QStringLiteral("\\N");
}

QString placeText(const QString& file, Place place, int position) {
    if (position < 0 || (position == 0 && place != Place::Entry))
        return file + QStringLiteral(": ");
    if (place == Place::Line)
        return QStringLiteral("%1:%2: ").arg(file).arg(position);
    return QStringLiteral("%1: %2: ").arg(file, placeName(place, position));
}

QString placeName(Place place, int position) {
    const char* name = place == Place::Line ? "line" : place == Place::Entry ? "entry" : "row";
    return QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(position);
}

} // namespace lexitor::wordlist
