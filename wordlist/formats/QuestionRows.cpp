#include "wordlist/formats/QuestionRows.h"

#include "store/WordRules.h"

#include <QString>

#include <algorithm>
#include <array>
#include <functional>
#include <limits>

namespace lexitor::wordlist {

namespace {

constexpr std::uint32_t kNoMeaning = UINT32_MAX;

// How many meanings of a pool a judge looks at for one question: enough to
// find fitting ones, few enough that a large file is quick; a last look
// through the whole file goes eight times as far before it leaves a place blank.
constexpr std::size_t kJudged = 64;
constexpr std::size_t kJudgedAtLast = 8 * kJudged;
constexpr int kAnyFit = std::numeric_limits<int>::max();
const std::string kBlank = " ";

bool hasAnswer(const Question& q) {
    return q.answer && store::isLongEnough(*q.answer, store::kShortestAnswer);
}

class Picker {
public:
    Picker(std::uint32_t answer, vocabulary::Random& random) : random_(random) {
        taken_.push_back(answer);
    }
    bool full() const { return picked.size() == 3; }

    // A few random draws, then a walk from a random start, so that even a
    // pool made mostly of taken meanings is used up.
    template <class Pool>
    void takeFrom(const Pool& pool) {
        const std::size_t size = pool.size;
        if (size == 0 || full())
            return;
        for (int tries = 0; tries < 16 && !full(); ++tries)
            take(pool[random_.below(size)]);
        const std::size_t start = random_.below(size);
        for (std::size_t i = 0; i < size && !full(); ++i)
            take(pool[(start + i) % size]);
    }

    std::vector<std::uint32_t> picked;

private:
    void take(std::uint32_t id) {
        if (std::find(taken_.begin(), taken_.end(), id) != taken_.end())
            return;
        taken_.push_back(id);
        picked.push_back(id);
    }
    std::vector<std::uint32_t> taken_;
    vocabulary::Random& random_;
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

std::uint64_t QuestionRows::lessonKey(const Question& q) {
    return std::uint32_t(q.lesson);
}

std::uint64_t QuestionRows::typeKey(const Question& q) {
    return std::uint64_t(std::uint32_t(q.lesson)) << 32 | std::uint32_t(q.wordType);
}

std::uint32_t QuestionRows::meaningOf(const std::string& answer, const store::FieldValue& word) {
    if ((meanings_.size() + 1) * 2 > slots_.size()) {
        Ids grown(std::max<std::size_t>(64, slots_.size() * 2), 0);
        for (std::uint32_t id = 0; id < meanings_.size(); ++id) {
            std::size_t i = keyHashes_[id] & (grown.size() - 1);
            while (grown[i] != 0)
                i = (i + 1) & (grown.size() - 1);
            grown[i] = id + 1;
        }
        slots_.swap(grown);
    }
    const std::string key = store::wordKey(answer);
    const std::uint64_t hash = std::hash<std::string>{}(key);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots_[i] == 0) {
            slots_[i] = std::uint32_t(meanings_.size() + 1);
            keyHashes_.push_back(hash);
            meanings_.push_back(texts_.add(answer));
            if (judge_)
                owners_.push_back(texts_.add(word.value_or("")));
            return std::uint32_t(meanings_.size() - 1);
        }
        // Only the text is kept; its key is made again to compare.
        const std::uint32_t id = slots_[i] - 1;
        if (keyHashes_[id] == hash && store::wordKey(texts_.at(meanings_[id])) == key)
            return id;
    }
}

void QuestionRows::add(const Question& q) {
    if (!hasAnswer(q)) {
        answerOf_.push_back(kNoMeaning);
        return;
    }
    const std::uint32_t meaning = meaningOf(*q.answer, q.word);
    byLesson_.add(lessonKey(q), meaning, answerOf_);
    byType_.add(typeKey(q), meaning, answerOf_);
    answerOf_.push_back(meaning);
}

void QuestionRows::Pools::add(std::uint64_t key, std::uint32_t meaning, const Ids& meaningsSoFar) {
    if (members.empty() && (!onlyKey || *onlyKey == key)) {
        onlyKey = key;
        return;
    }
    if (members.empty()) {
        for (const std::uint32_t earlier : meaningsSoFar) {
            if (earlier != kNoMeaning)
                members.push_back({*onlyKey, earlier});
        }
    }
    members.push_back({key, meaning});
}

void QuestionRows::Pools::build(std::size_t meanings) {
    std::stable_sort(members.begin(), members.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::uint32_t> lastGroup(members.empty() ? 0 : meanings, UINT32_MAX);
    for (const auto& [key, id] : members) {
        if (keys.empty() || keys.back() != key) {
            keys.push_back(key);
            starts.push_back(ids.size());
        }
        if (lastGroup[id] != keys.size()) {
            lastGroup[id] = std::uint32_t(keys.size());
            ids.push_back(id);
        }
    }
    starts.push_back(ids.size());
    members = {};
}

QuestionRows::Pool QuestionRows::Pools::of(std::uint64_t key, std::size_t meanings) const {
    if (keys.empty())
        return {nullptr, onlyKey == key ? meanings : 0};
    const auto found = std::lower_bound(keys.begin(), keys.end(), key);
    if (found == keys.end() || *found != key)
        return {};
    const auto group = std::size_t(found - keys.begin());
    return {ids.data() + starts[group], starts[group + 1] - starts[group]};
}

void QuestionRows::start() {
    if (!built_) {
        keyHashes_ = {};
        slots_ = {};
        byLesson_.build(meanings_.size());
        byType_.build(meanings_.size());
        built_ = true;
    }
    next_ = 0;
    random_ = vocabulary::Random(vocabulary::kDefaultSeed);
}

ListRow QuestionRows::row(const Question& q) {
    std::array<std::string, 3> wrong{kBlank, kBlank, kBlank};
    const std::uint32_t answer = next_ < answerOf_.size() ? answerOf_[next_] : kNoMeaning;
    ++next_;
    if (!q.choices.empty()) {
        wrong = ownChoices(q.choices);
    } else if (answer != kNoMeaning) {
        // (a question without a usable answer is refused and needs none)
        const std::array<Pool, 3> pools{byType_.of(typeKey(q), meanings_.size()),
                                        byLesson_.of(lessonKey(q), meanings_.size()),
                                        Pool{nullptr, meanings_.size()}};
        std::vector<std::uint32_t> picked;
        if (judge_) {
            // Judging is slow: a second reading takes what the first chose.
            const std::size_t at = next_ - 1;
            if (at < judgedPicks_.size()) {
                for (const std::uint32_t id : judgedPicks_[at])
                    if (id != kNoMeaning)
                        picked.push_back(id);
            } else {
                picked = judged(q, answer, pools);
                judgedPicks_.resize(at + 1, {kNoMeaning, kNoMeaning, kNoMeaning});
                std::copy(picked.begin(), picked.end(), judgedPicks_[at].begin());
            }
        } else {
            Picker picker(answer, random_);
            for (const Pool& pool : pools)
                picker.takeFrom(pool);
            picked = std::move(picker.picked);
        }
        for (std::size_t i = 0; i < picked.size(); ++i)
            wrong[i] = std::string(texts_.at(meanings_[picked[i]]));
    }
    return {q.place, {q.word, q.answer, wrong[0], wrong[1], wrong[2], q.example}};
}

std::vector<std::uint32_t> QuestionRows::judged(const Question& q, std::uint32_t answer,
                                                const std::array<Pool, 3>& pools) {
    std::vector<std::uint32_t> taken{answer}, picked;
    const auto isTaken = [&](std::uint32_t id) {
        return std::find(taken.begin(), taken.end(), id) != taken.end();
    };
    // The meanings of a walk from a random start that the judge rates
    // `maxFit` or better, the best first, never one it rules out: the first
    // kJudged, or up to kJudgedAtLast when too few are found and
    // `exhaustive`.
    const auto takeJudged = [&](const Pool& pool, int maxFit, bool exhaustive) {
        if (pool.size == 0 || picked.size() == 3)
            return;
        const std::size_t start = random_.below(pool.size);
        std::vector<std::pair<int, std::uint32_t>> ranked; // fit, meaning
        std::size_t best = 0;                              // how many fit best (0)
        for (std::size_t i = 0, looked = 0; i < pool.size && best <= 3 - picked.size(); ++i) {
            const std::uint32_t id = pool[(start + i) % pool.size];
            if (isTaken(id))
                continue;
            if (++looked > (exhaustive ? kJudgedAtLast : kJudged) ||
                (looked > kJudged && ranked.size() + picked.size() >= 3))
                break;
            Question other;
            other.word = std::string(texts_.at(owners_[id]));
            other.answer = std::string(texts_.at(meanings_[id]));
            const std::optional<int> fit = judge_->fit(q, other);
            if (fit && *fit <= maxFit) {
                ranked.emplace_back(*fit, id);
                best += *fit == 0; // nothing fits better: enough of them end the look
            }
        }
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t r = 0; r < ranked.size() && picked.size() < 3; ++r) {
            const std::uint32_t id = ranked[r].second;
            const std::string text(texts_.at(meanings_[id]));
            if (isTaken(id) || std::any_of(picked.begin(), picked.end(), [&](std::uint32_t p) {
                    return judge_->alike(std::string(texts_.at(meanings_[p])), text);
                }))
                continue;
            taken.push_back(id);
            picked.push_back(id);
        }
    };
    // The best fits of any group before a worse fit of the closest one; a
    // group as large as the wider one after it holds the same meanings.
    for (int maxFit : {0, kAnyFit})
        for (std::size_t g = 0; g < pools.size(); ++g)
            if (g == 2 || pools[g].size != pools[g + 1].size)
                takeJudged(pools[g], maxFit, maxFit == kAnyFit && g == 2);
    return picked;
}

} // namespace lexitor::wordlist
