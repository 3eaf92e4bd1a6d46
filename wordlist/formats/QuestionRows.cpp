#include "wordlist/formats/QuestionRows.h"

#include "store/IndexKey.h"
#include "store/WordRules.h"
#include "wordlist/vocabulary/Random.h"

#include <QHash>

#include <array>
#include <map>
#include <unordered_set>

namespace lexitor::wordlist {

namespace {

using vocabulary::Random;

const std::string kBlank = " ";

std::string meaningKey(const std::string& text) {
    return store::indexKey(text).folded;
}

// The distinct meanings of a group of questions, in file order.
struct Pool {
    std::vector<std::string> keys, texts;
    std::unordered_set<std::string> known;
    void add(const std::string& key, const std::string& text) {
        if (known.insert(key).second) {
            keys.push_back(key);
            texts.push_back(text);
        }
    }
};

class Picker {
public:
    Picker(const std::string& answerKey, Random& random) : random_(random) {
        taken_.insert(answerKey);
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

    std::vector<std::string> picked;

private:
    void take(const Pool& pool, std::size_t i) {
        if (taken_.insert(pool.keys[i]).second)
            picked.push_back(pool.texts[i]);
    }
    std::unordered_set<std::string> taken_;
    Random& random_;
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

std::vector<ListRow> questionRows(const std::vector<Question>& questions) {
    Pool all;
    std::map<int, Pool> byLesson;
    std::map<std::pair<int, int>, Pool> byLessonAndType;
    for (const Question& q : questions) {
        if (!isLongEnough(q.answer, store::kShortestAnswer))
            continue;
        const std::string key = meaningKey(*q.answer);
        all.add(key, *q.answer);
        byLesson[q.lesson].add(key, *q.answer);
        byLessonAndType[{q.lesson, q.wordType}].add(key, *q.answer);
    }

    Random random(vocabulary::kDefaultSeed);
    std::vector<ListRow> rows;
    rows.reserve(questions.size());
    for (const Question& q : questions) {
        std::array<std::string, 3> wrong{kBlank, kBlank, kBlank};
        if (!q.choices.empty()) {
            wrong = ownChoices(q.choices);
        } else if (isLongEnough(q.answer, store::kShortestAnswer)) {
            // (a question without a usable answer is refused and needs none)
            Picker picker(meaningKey(*q.answer), random);
            const auto sameType = byLessonAndType.find({q.lesson, q.wordType});
            const auto sameLesson = byLesson.find(q.lesson);
            picker.takeFrom(sameType == byLessonAndType.end() ? nullptr : &sameType->second);
            picker.takeFrom(sameLesson == byLesson.end() ? nullptr : &sameLesson->second);
            picker.takeFrom(&all);
            for (std::size_t i = 0; i < picker.picked.size(); ++i)
                wrong[i] = picker.picked[i];
        }
        rows.push_back({q.place, {q.word, q.answer, wrong[0], wrong[1], wrong[2], q.example}});
    }
    return rows;
}

} // namespace lexitor::wordlist
