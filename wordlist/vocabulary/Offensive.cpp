#include "wordlist/vocabulary/Offensive.h"

#include "wordlist/vocabulary/Gloss.h"
#include "wordlist/vocabulary/OwnMeanings.h"
#include "wordlist/vocabulary/SenseChoice.h"
#include "wordlist/vocabulary/TextTools.h"

#include <algorithm>
#include <array>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::array<std::string_view, 3> kObsceneDomains = {"obscenity", "ethnic_slur",
                                                             "vulgarism"};
constexpr std::array<std::string_view, 5> kDisparagingDomains = {
    "disparagement", "derogation", "slang", "dysphemism", "profanity"};

// "Negro": a definition in terms no classroom uses any more ("blackface").
constexpr std::array<std::string_view, 9> kObsceneGlossPhrases = {
    "ethnic slur", "offensive term", "obscene term", "vulgar slang", "vulgar term",
    "obscene",     "expletive",      "swearword",    "Negro"};
constexpr std::array<std::string_view, 4> kDisparagingGlossPhrases = {"disparaging", "derogatory",
                                                                      "(slang)", "slang for"};
// Word beginnings, so that "sexually" and "copulation" count too.
constexpr std::array<std::string_view, 7> kSexualStems = {
    "sexual", "copulat", "intercourse", "genital", "orgasm", "masturbat", "fornicat"};

constexpr std::array<std::pair<const char*, const char*>, 7> kSexActs = {{{"have", "sex"},
                                                                          {"having", "sex"},
                                                                          {"exchange", "sex"},
                                                                          {"sex", "for"},
                                                                          {"sex", "with"},
                                                                          {"sex", "act"},
                                                                          {"sex", "organ"}}};

// Words the tags and glosses above let through, or whose everyday use is a slur
// or an obscenity whatever WordNet's first sense says.
constexpr std::array<std::string_view, 37> kBanned = {
    "arse",   "arsehole", "ass",   "asshole", "bastard", "bitch", "bollocks", "bugger",
    "chink",  "cock",     "coon",  "crap",    "cunt",    "dick",  "dyke",     "fag",
    "faggot", "fuck",     "gook",  "homo",    "jackass", "jap",   "kike",     "nigger",
    "paki",   "piss",     "prick", "pussy",   "retard",  "shit",  "slut",     "spic",
    "tit",    "twat",     "wank",  "wetback", "whore"};

template <std::size_t N>
bool inUsageDomain(const WordNet& wn, const Synset& synset, std::size_t position,
                   const std::array<std::string_view, N>& domains) {
    for (const Usage& usage : synset.usages) {
        const Synset* domain = wn.synset(usage.domain);
        if (!domain || (usage.word != 0 && usage.word != position + 1))
            continue;
        for (const std::string& word : domain->words)
            if (std::find(domains.begin(), domains.end(), word) != domains.end())
                return true;
    }
    return false;
}

// The definition, not the examples: "the obscene massacre" does not make
// "abhorrent" obscene.
template <std::size_t N>
bool definitionSays(const Synset& synset, const std::array<std::string_view, N>& phrases) {
    const std::string definition = splitGloss(synset.gloss).definition;
    return std::any_of(phrases.begin(), phrases.end(), [&](std::string_view phrase) {
        return definition.find(phrase) != std::string::npos;
    });
}

} // namespace

bool isObsceneOrSlur(const WordNet& wn, const Synset& synset, std::size_t position) {
    return inUsageDomain(wn, synset, position, kObsceneDomains) ||
           definitionSays(synset, kObsceneGlossPhrases);
}

bool isDisparaging(const WordNet& wn, const Synset& synset, std::size_t position) {
    return inUsageDomain(wn, synset, position, kDisparagingDomains) ||
           definitionSays(synset, kDisparagingGlossPhrases);
}

bool isSexual(const Synset& synset) {
    const std::vector<std::string> tokens = letterTokens(splitGloss(synset.gloss).definition);
    // "sex" as an act, not "a young person of either sex".
    const bool act = std::any_of(kSexActs.begin(), kSexActs.end(), [&](const auto& phrase) {
        return containsPhrase(tokens, {phrase.first, phrase.second});
    });
    return act || std::any_of(tokens.begin(), tokens.end(), [](const std::string& token) {
               return std::any_of(kSexualStems.begin(), kSexualStems.end(),
                                  [&](std::string_view stem) { return token.starts_with(stem); });
           });
}

bool isOffensiveSense(const WordNet& wn, const Synset& synset, std::size_t position) {
    return isObsceneOrSlur(wn, synset, position) || isDisparaging(wn, synset, position) ||
           isSexual(synset);
}

bool isBannedWord(std::string_view word) {
    return std::find(kBanned.begin(), kBanned.end(), word) != kBanned.end();
}

bool isOffensiveWord(const WordNet& wn, const std::string& lemma) {
    if (isBannedWord(lemma))
        return true;
    const std::vector<ChosenSense> first = firstSenses(wn, lemma);
    return std::any_of(first.begin(), first.end(), [&](const ChosenSense& sense) {
        if (&sense == &first.front())
            return isOffensiveSense(wn, *sense.synset, sense.position);
        return sense.sense.tagCount > 0 &&
               (isObsceneOrSlur(wn, *sense.synset, sense.position) || isSexual(*sense.synset));
    });
}

} // namespace lexitor::wordlist::vocabulary
