#include "store/IndexKey.h"

#include "store/WordRules.h"

namespace lexitor::store {

IndexKey indexKey(std::string_view word) {
    return {true, wordKey(word)};
}

IndexKey indexKey(const FieldValue& word) {
    return word ? indexKey(*word) : IndexKey{};
}

} // namespace lexitor::store
