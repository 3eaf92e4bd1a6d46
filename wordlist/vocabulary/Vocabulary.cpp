#include "wordlist/vocabulary/Vocabulary.h"

#include "wordlist/vocabulary/Distractors.h"

namespace lexitor::wordlist::vocabulary {

Vocabulary generateVocabulary(const WordNet& wn, const ScowlWords& scowl,
                              const GenerateOptions& options) {
    Vocabulary vocabulary;
    const LevelCandidates candidates = buildCandidates(wn, scowl, vocabulary.dropped);
    for (std::size_t level = 0; level < store::kLevelCount; ++level) {
        const std::vector<Candidate>& pool = candidates[level];
        vocabulary.candidates[level] = pool.size();
        const DistractorChooser chooser(wn, pool);
        auto& records = vocabulary.levels[level];
        for (const Candidate& candidate : pool) {
            if (records.size() == options.perLevel)
                break;
            Random random(options.seed ^ hashText(candidate.word));
            const std::optional<Distractors> wrong =
                chooser.choose(candidate, OwnMeanings(wn, {candidate.word}), random);
            if (!wrong) {
                ++vocabulary.dropped[std::string(kTooFewWrongMeanings)];
                continue;
            }
            records.push_back({candidate.word, candidate.meaning, (*wrong)[0], (*wrong)[1],
                               (*wrong)[2], candidate.ref});
        }
    }
    return vocabulary;
}

} // namespace lexitor::wordlist::vocabulary
