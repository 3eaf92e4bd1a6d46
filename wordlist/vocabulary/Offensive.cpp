#include "wordlist/vocabulary/Offensive.h"

#include <algorithm>
#include <array>

namespace lexitor::wordlist::vocabulary {
namespace {

constexpr std::array<std::string_view, 3> kObsceneDomains = {"obscenity", "ethnic_slur",
                                                             "vulgarism"};
constexpr std::array<std::string_view, 5> kDisparagingDomains = {
    "disparagement", "derogation", "slang", "dysphemism", "profanity"};

constexpr std::array<std::string_view, 6> kObsceneGlossPhrases = {
    "ethnic slur", "offensive term", "obscene term", "vulgar slang", "vulgar term", "obscene"};
constexpr std::array<std::string_view, 4> kDisparagingGlossPhrases = {"disparaging", "derogatory",
                                                                      "(slang)", "slang for"};

// Words the tags and glosses above let through, or whose everyday use is a slur
// or an obscenity whatever WordNet's first sense says.
constexpr std::array<std::string_view, 36> kBanned = {
    "arse",   "arsehole", "ass",  "asshole", "bastard", "bitch", "bollocks", "bugger",  "chink",
    "cock",   "coon",     "crap", "cunt",    "dick",    "dyke",  "fag",      "faggot",  "fuck",
    "gook",   "homo",     "jap",  "kike",    "nigger",  "paki",  "piss",     "prick",   "pussy",
    "retard", "shit",     "slut", "spic",    "tit",     "twat",  "wank",     "wetback", "whore"};

template <std::size_t N>
bool inUsageDomain(const WordNet& wn, const Synset& synset,
                   const std::array<std::string_view, N>& domains) {
    for (const SynsetId& id : synset.usages) {
        const Synset* domain = wn.synset(id);
        if (!domain)
            continue;
        for (const std::string& word : domain->words)
            if (std::find(domains.begin(), domains.end(), word) != domains.end())
                return true;
    }
    return false;
}

template <std::size_t N>
bool glossSays(const Synset& synset, const std::array<std::string_view, N>& phrases) {
    return std::any_of(phrases.begin(), phrases.end(), [&](std::string_view phrase) {
        return synset.gloss.find(phrase) != std::string::npos;
    });
}

} // namespace

bool isObsceneOrSlur(const WordNet& wn, const Synset& synset) {
    return inUsageDomain(wn, synset, kObsceneDomains) || glossSays(synset, kObsceneGlossPhrases);
}

bool isDisparaging(const WordNet& wn, const Synset& synset) {
    return inUsageDomain(wn, synset, kDisparagingDomains) ||
           glossSays(synset, kDisparagingGlossPhrases);
}

bool isBannedWord(std::string_view word) {
    return std::find(kBanned.begin(), kBanned.end(), word) != kBanned.end();
}

} // namespace lexitor::wordlist::vocabulary
