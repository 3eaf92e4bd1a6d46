#include "store/MessageText.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace lexitor::store {

std::string excerpt(std::string_view text, std::size_t limit) {
    QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar& c : all) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, all);
    std::size_t count = 0;
    while (graphemes.toNextBoundary() != -1) {
        if (++count == limit && graphemes.position() < all.size())
            return all.left(graphemes.position()).toStdString() + "…";
    }
    return all.toStdString();
}

std::string excerptPath(std::string_view path, std::size_t limit) {
    const QString all = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, all);
    graphemes.toEnd();
    std::size_t count = 0;
    while (graphemes.toPreviousBoundary() != -1) {
        if (++count == limit && graphemes.position() > 0)
            return "…" + excerpt(all.mid(graphemes.position()).toStdString(), limit);
    }
    return excerpt(path, limit);
}

std::string sentence(std::string_view text) {
    std::string result(text);
    while (!result.empty() && (result.back() == '.' || result.back() == ' '))
        result.pop_back();
    if (result.empty())
        return result;
    const char last = result.back();
    if (last != '!' && last != '?' && !result.ends_with("…"))
        result += '.';
    return result;
}

} // namespace lexitor::store
