#include "wordlist/formats/QuestionRows.h"

#include "store/IndexKey.h"
#include "store/WordRules.h"
#include "wordlist/vocabulary/Random.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <unordered_set>

namespace lexitor::wordlist {

namespace {

using vocabulary::Random;

const std::string kBlank = " ";

std::string meaningKey(const std::string& text) {
    return store::indexKey(text).folded;
}

// The distinct meanings of a group of questions, in file order, each with
// the first question that has it.
struct Pool {
    std::vector<std::string> keys, texts;
    std::vector<std::size_t> owners;
    std::unordered_set<std::string> known;
    void add(const std::string& key, const std::string& text, std::size_t owner) {
        if (known.insert(key).second) {
            keys.push_back(key);
            texts.push_back(text);
            owners.push_back(owner);
        }
    }
};

// How many meanings of a pool a judge looks at for one question: enough to
// find fitting ones, few enough that a large file is quick; a last look
// through the whole file goes eight times as far before it leaves a place blank.
constexpr std::size_t kJudged = 64;
constexpr std::size_t kJudgedAtLast = 8 * kJudged;
constexpr int kAnyFit = std::numeric_limits<int>::max();

class Picker {
public:
    Picker(const std::vector<Question>& questions, std::size_t question, Random& random,
           OptionJudge* judge)
        : questions_(questions), question_(question), random_(random), judge_(judge) {
        taken_.insert(meaningKey(*questions[question].answer));
    }
    bool full() const { return picked.size() == 3; }

    // A few random draws, then a walk from a random start, so that even a
    // pool made mostly of taken meanings is used up.
    void takeFrom(const Pool* pool) {
        if (!pool || pool->keys.empty() || full())
            return;
        const std::size_t size = pool->keys.size();
        for (int tries = 0; tries < 16 && !full(); ++tries)
            take(*pool, random_.below(size));
        const std::size_t start = random_.below(size);
        for (std::size_t i = 0; i < size && !full(); ++i)
            take(*pool, (start + i) % size);
    }

    // With a judge: the meanings of a walk from a random start that it
    // rates `maxFit` or better, the best first, never one it rules out:
    // the first kJudged, or up to kJudgedAtLast when too few are found
    // and `exhaustive`.
    void takeJudged(const Pool* pool, int maxFit, bool exhaustive) {
        if (!pool || pool->keys.empty() || full())
            return;
        const std::size_t size = pool->keys.size();
        const std::size_t start = random_.below(size);
        std::vector<std::pair<int, std::size_t>> ranked; // fit, meaning
        std::size_t best = 0;                            // how many fit best (0)
        for (std::size_t i = 0, judged = 0; i < size && best <= 3 - picked.size(); ++i) {
            const std::size_t m = (start + i) % size;
            if (taken_.contains(pool->keys[m]))
                continue;
            if (++judged > (exhaustive ? kJudgedAtLast : kJudged) ||
                (judged > kJudged && ranked.size() + picked.size() >= 3))
                break;
            const std::optional<int> fit =
                judge_->fit(questions_[question_], questions_[pool->owners[m]]);
            if (fit && *fit <= maxFit) {
                ranked.emplace_back(*fit, m);
                best += *fit == 0; // nothing fits better: enough of them end the look
            }
        }
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t r = 0; r < ranked.size() && !full(); ++r) {
            const std::string& text = pool->texts[ranked[r].second];
            if (std::none_of(picked.begin(), picked.end(),
                             [&](const std::string& p) { return judge_->alike(p, text); }))
                take(*pool, ranked[r].second);
        }
    }

    std::vector<std::string> picked;

private:
    void take(const Pool& pool, std::size_t i) {
        if (taken_.insert(pool.keys[i]).second)
            picked.push_back(pool.texts[i]);
    }
    const std::vector<Question>& questions_;
    std::size_t question_;
    std::unordered_set<std::string> taken_;
    Random& random_;
    OptionJudge* judge_;
};

std::array<std::string, 3> ownChoices(const std::vector<std::string>& choices) {
    std::array<std::string, 3> texts{kBlank, kBlank, kBlank};
    for (std::size_t i = 0; i < choices.size() && i < 3; ++i) {
        if (!QString::fromStdString(choices[i]).trimmed().isEmpty())
            texts[i] = choices[i];
    }
    return texts;
}

} // namespace

std::vector<ListRow> questionRows(const std::vector<Question>& questions, OptionJudge* judge) {
    Pool all;
    std::map<int, Pool> byLesson;
    std::map<std::pair<int, int>, Pool> byLessonAndType;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        if (!isLongEnough(q.answer, store::kShortestAnswer))
            continue;
        const std::string key = meaningKey(*q.answer);
        all.add(key, *q.answer, i);
        byLesson[q.lesson].add(key, *q.answer, i);
        byLessonAndType[{q.lesson, q.wordType}].add(key, *q.answer, i);
    }

    Random random(vocabulary::kDefaultSeed);
    std::vector<ListRow> rows;
    rows.reserve(questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        std::array<std::string, 3> wrong{kBlank, kBlank, kBlank};
        if (!q.choices.empty()) {
            wrong = ownChoices(q.choices);
        } else if (isLongEnough(q.answer, store::kShortestAnswer)) {
            // (a question without a usable answer is refused and needs none)
            Picker picker(questions, i, random, judge);
            const auto sameType = byLessonAndType.find({q.lesson, q.wordType});
            const auto sameLesson = byLesson.find(q.lesson);
            const Pool* pools[] = {sameType == byLessonAndType.end() ? nullptr : &sameType->second,
                                   sameLesson == byLesson.end() ? nullptr : &sameLesson->second,
                                   &all};
            if (judge) {
                // The best fits of any group before a worse fit of the closest one;
                // a group as large as the wider one after it holds the same meanings.
                for (int maxFit : {0, kAnyFit})
                    for (std::size_t g = 0; g < 3; ++g)
                        if (g == 2 || !pools[g] ||
                            pools[g]->keys.size() != pools[g + 1]->keys.size())
                            picker.takeJudged(pools[g], maxFit, maxFit == kAnyFit && g == 2);
            } else {
                for (const Pool* pool : pools)
                    picker.takeFrom(pool);
            }
            for (std::size_t i = 0; i < picker.picked.size(); ++i)
                wrong[i] = picker.picked[i];
        }
        rows.push_back({q.place, {q.word, q.answer, wrong[0], wrong[1], wrong[2], q.example}});
    }
    return rows;
}

} // namespace lexitor::wordlist
