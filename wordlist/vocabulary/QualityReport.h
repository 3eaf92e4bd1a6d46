#pragma once
// How fair the questions of a level are, measured against WordNet with
// simple tests of the report's own (word-for-word phrases, shared words),
// so that it checks the generator and any imported list rather than
// repeating their rules.

#include "store/WordRecord.h"
#include "wordlist/vocabulary/WordNet.h"

#include <string>
#include <vector>

namespace lexitor::wordlist::vocabulary {

struct QualityReport {
    std::size_t entries = 0;
    std::size_t secondRightAnswer = 0; // a wrong option that is a meaning of the word or a synonym
    std::size_t optionsAlike = 0;      // two options saying the same thing
    std::size_t withWordNetMeaning = 0;
    std::size_t firstSense = 0; // of those: the first sense of the main part of speech
    std::size_t wrongOptionsOfKnownKind = 0;
    std::size_t wrongOptionsOfOtherKind = 0; // part of speech unlike the answer's
    std::size_t textsWithMarkup = 0;
    std::size_t offensive = 0;
    std::size_t withReference = 0;
    // A few words for each count, to look at.
    std::vector<std::string> secondRightAnswerWords, alikeWords, notFirstSenseWords, otherKindWords,
        markupWords, offensiveWords;
};

// The meanings of every WordNet synset by their first words, for telling
// the part of speech of an option; built once for many levels.
class MeaningKinds {
public:
    explicit MeaningKinds(const WordNet& wn);
    // A bit per part of speech (1 << Pos) of the synsets whose definition
    // (or a clause of it) starts as `meaning` does; 0 when none does.
    unsigned kindsOf(std::string_view meaning) const;

private:
    std::unordered_map<std::string, unsigned> kinds_;
};

QualityReport measureQuality(const WordNet& wn, const MeaningKinds& kinds,
                             const std::vector<store::WordRecord>& records);

// True when `text` holds dictionary markup: a backtick, a usage note
// ("(used ...)", "often followed by"), brackets that do not pair, or an
// abbreviation left dangling ("e.g.").
bool hasMarkup(std::string_view text);

// The report as lines of text, headed by `title`.
std::string describeReport(const QualityReport& report, const std::string& title);

} // namespace lexitor::wordlist::vocabulary
