#include "wordlist/vocabulary/FunctionWords.h"

#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lexitor::wordlist::vocabulary {
namespace {

struct WordClass {
    std::string_view name;
    std::string_view words; // separated by blanks
};

// A word of several classes is named by the first.
constexpr std::array<WordClass, 5> kClasses = {{
    {"a pronoun", "i me you he him she her it we us they them myself yourself himself herself "
                  "itself ourselves yourselves themselves mine yours hers ours theirs who whom "
                  "whoever whomever whose anybody anyone everybody everyone nobody somebody "
                  "someone something anything everything nothing"},
    {"a determiner", "a an the this that these those my your his its our their every each either "
                     "neither some any no many much few several such which what whatever "
                     "whichever"},
    {"a preposition", "about above across after against along amid amidst among amongst around "
                      "at before behind below beneath beside besides between beyond by despite "
                      "down during except for from in inside into near of off on onto opposite "
                      "out outside over past per since through throughout till to toward towards "
                      "under underneath unlike until up upon via with within without versus"},
    {"a conjunction", "although and as because but if lest nor or so than though unless "
                      "whereas whether while whilst yet whenever wherever whereby"},
    {"a modal verb", "can could may might must shall should will would ought"},
}};

bool listed(std::string_view words, std::string_view word) {
    std::vector<std::string_view> fields;
    splitSpaces(words, fields);
    return std::find(fields.begin(), fields.end(), word) != fields.end();
}

} // namespace

std::optional<std::string_view> functionWordClass(std::string_view word) {
    for (const WordClass& wordClass : kClasses)
        if (listed(wordClass.words, word))
            return wordClass.name;
    return std::nullopt;
}

} // namespace lexitor::wordlist::vocabulary
