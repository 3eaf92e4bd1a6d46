#include "store/WordRules.h"

#include <QString>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace lexitor::store {

bool isLongEnough(QStringView text, int minimum) {
    text = text.trimmed();
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (count < minimum && characters.toNextBoundary() != -1)
        ++count;
    return count >= minimum;
}

bool isLongEnough(std::string_view utf8, int minimum) {
    // Printable ASCII is one character a byte; the result is the same.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= ' ' && c <= '~'; })) {
        const auto first = utf8.find_first_not_of(' ');
        const auto length = first == std::string_view::npos ? 0 : utf8.find_last_not_of(' ') - first + 1;
        return std::ptrdiff_t(length) >= minimum;
    }
    return isLongEnough(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())), minimum);
}

namespace {
bool asciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

std::string wordKey(std::string_view word) {
    // Plain ASCII, by far the common case, is already normalised and folds
    // without a round trip through UTF-16; the result is the same.
    if (std::all_of(word.begin(), word.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        while (!word.empty() && asciiSpace(word.front()))
            word.remove_prefix(1);
        while (!word.empty() && asciiSpace(word.back()))
            word.remove_suffix(1);
        std::string folded(word);
        for (char& c : folded) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return folded;
    }
    // Folding may leave a sequence that is no longer composed: normalise again.
    const QString text = QString::fromUtf8(word.data(), qsizetype(word.size()))
                             .trimmed()
                             .normalized(QString::NormalizationForm_C)
                             .toCaseFolded()
                             .normalized(QString::NormalizationForm_C);
    return text.toStdString();
}

} // namespace lexitor::store
