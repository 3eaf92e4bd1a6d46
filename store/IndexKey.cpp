#include "store/IndexKey.h"

#include <QString>

#include <algorithm>

namespace lexitor::store {

namespace {

bool asciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

IndexKey indexKey(std::string_view word) {
    // Plain ASCII, by far the common case, folds without a round trip through UTF-16;
    // the result is the same as Qt's trimmed().toCaseFolded() gives.
    if (std::all_of(word.begin(), word.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        while (!word.empty() && asciiSpace(word.front())) {
            word.remove_prefix(1);
        }
        while (!word.empty() && asciiSpace(word.back())) {
            word.remove_suffix(1);
        }
        std::string folded(word);
        for (char& c : folded) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return {true, std::move(folded)};
    }
    const QString text = QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
    const QByteArray folded = text.trimmed().toCaseFolded().toUtf8();
    return {true, std::string(folded.constData(), static_cast<std::size_t>(folded.size()))};
}

IndexKey indexKey(const FieldValue& word) {
    return word ? indexKey(*word) : IndexKey{};
}

} // namespace lexitor::store
