#include "store/IndexKey.h"

#include <QString>

namespace lexitor::store {

IndexKey indexKey(std::string_view word) {
    const QString text = QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
    const QByteArray folded = text.trimmed().toCaseFolded().toUtf8();
    return {true, std::string(folded.constData(), static_cast<std::size_t>(folded.size()))};
}

IndexKey indexKey(const FieldValue& word) {
    return word ? indexKey(*word) : IndexKey{};
}

} // namespace lexitor::store
