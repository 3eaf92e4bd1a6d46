#include "wordlist/formats/QuestionRows.h"

#include "store/WordRules.h"

#include <QString>

#include <algorithm>
#include <array>
#include <numeric>

namespace lexitor::wordlist {

namespace {

constexpr std::uint32_t kNoMeaning = UINT32_MAX;
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
    void takeFrom(std::pair<const std::uint32_t*, std::size_t> pool) {
        const auto [ids, size] = pool;
        if (size == 0 || full())
            return;
        for (int tries = 0; tries < 16 && !full(); ++tries)
            take(ids[random_.below(size)]);
        const std::size_t start = random_.below(size);
        for (std::size_t i = 0; i < size && !full(); ++i)
            take(ids[(start + i) % size]);
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

void QuestionRows::add(const Question& q) {
    if (!hasAnswer(q)) {
        answerOf_.push_back(kNoMeaning);
        return;
    }
    const auto id = std::uint32_t(meanings_.size());
    if (const auto known = meaningIds_.firstOf(*q.answer, int(id))) {
        answerOf_.push_back(std::uint32_t(*known));
    } else {
        meanings_.push_back(texts_.add(*q.answer));
        answerOf_.push_back(id);
    }
    byLesson_.members.push_back({lessonKey(q), answerOf_.back()});
    byType_.members.push_back({typeKey(q), answerOf_.back()});
}

void QuestionRows::Pools::build(std::size_t meanings) {
    std::stable_sort(members.begin(), members.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    likeAll = members.empty() || members.front().first == members.back().first;
    std::vector<std::uint32_t> lastGroup(likeAll ? 0 : meanings, UINT32_MAX);
    for (std::size_t i = 0; i < members.size() && !likeAll; ++i) {
        const auto [key, id] = members[i];
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

std::pair<const std::uint32_t*, std::size_t> QuestionRows::Pools::of(std::uint64_t key,
                                                                     const Ids& all) const {
    if (likeAll)
        return {all.data(), all.size()};
    const auto found = std::lower_bound(keys.begin(), keys.end(), key);
    if (found == keys.end() || *found != key)
        return {nullptr, 0};
    const auto group = std::size_t(found - keys.begin());
    return {ids.data() + starts[group], starts[group + 1] - starts[group]};
}

void QuestionRows::start() {
    if (!built_) {
        meaningIds_ = {};
        all_.resize(meanings_.size());
        std::iota(all_.begin(), all_.end(), 0u);
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
        Picker picker(answer, random_);
        picker.takeFrom(byType_.of(typeKey(q), all_));
        picker.takeFrom(byLesson_.of(lessonKey(q), all_));
        picker.takeFrom({all_.data(), all_.size()});
        for (std::size_t i = 0; i < picker.picked.size(); ++i)
            wrong[i] = std::string(texts_.at(meanings_[picker.picked[i]]));
    }
    return {q.place, {q.word, q.answer, wrong[0], wrong[1], wrong[2], q.example}};
}

} // namespace lexitor::wordlist
