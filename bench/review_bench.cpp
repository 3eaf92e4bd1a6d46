// Remembering the learner: choosing the next word to review among three
// full-size levels (32,767 words each, the first 12,000 of each answered
// before), keeping one answer durably (beside the store's own durable add,
// the floor for any durable change), counting what is due for the main
// menu on the default word lists, and a simulated learner who answers for
// a year with the model's own chance of recall.
#include "review/ReviewQueue.h"
#include "review/Schedule.h"
#include "store/Recordset.h"
#include "store/Transaction.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace lexitor;

namespace {

constexpr int kRows = 32767;
constexpr int kAnswered = 12000;
constexpr int kToday = 20000;

struct FullLevels {
    QTemporaryDir dir;
    FullLevels() {
        QDir::setCurrent(dir.path());
        std::mt19937 random(42);
        for (const auto& level : store::kLevels) {
            const std::string file(level.file);
            store::createLevelDatabase(file, level.level);
            auto db = store::DBEngine::instance().OpenDatabase(file);
            auto rs = db->OpenRecordset(std::string(level.table));
            store::Transaction transaction(*db);
            for (int row = 0; row < kRows; ++row) {
                const std::string word = "word " + std::to_string(level.level * kRows + row);
                store::appendRecord(*rs, {word, "meaning", "one wrong", "two wrong", "three", {}});
            }
            store::ReviewLog log(*db, level);
            for (int row = 0; row < kAnswered; ++row) {
                const int day = kToday - 40 + int(random() % 40);
                const bool right = random() % 5 != 0;
                log.record("word " + std::to_string(level.level * kRows + row),
                           {right, 0, day, store::AnswerPlace::Quiz}, [&](const auto& before) {
                               return review::afterAnswer(before, right, day);
                           });
            }
            transaction.commit();
        }
    }
};

FullLevels& fullLevels() {
    static FullLevels made;
    return made;
}

// The word a session just begun asks first: the most overdue (due 1), or
// with nothing due the first new one, past the 12,000 answered words of
// level 0 (due 0).
void BM_ChooseFirstWord(benchmark::State& state) {
    fullLevels();
    review::OpenLevels levels;
    const int today = state.range(0) ? kToday : kToday - 100;
    for (auto _ : state) {
        review::ReviewQueue queue(levels, today);
        benchmark::DoNotOptimize(queue.next());
    }
}
BENCHMARK(BM_ChooseFirstWord)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("due")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The next due word during a session, as the screen chooses it after each
// answer (the answer itself kept outside the timing).
void BM_ChooseNextWord(benchmark::State& state) {
    fullLevels();
    review::OpenLevels levels;
    review::ReviewQueue queue(levels, kToday);
    for (auto _ : state) {
        const auto question = queue.next();
        state.PauseTiming();
        if (!question) {
            state.SkipWithError("the day's words ran out");
            break;
        }
        store::ReviewLog(*levels.db[question->level], store::kLevels[question->level])
            .record(*question->word.row.word, {true, 0, kToday, store::AnswerPlace::Review},
                    [](const auto& before) { return review::afterAnswer(before, true, kToday); });
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChooseNextWord)
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One answer kept durably (its log entry and its new state, synced).
void BM_KeepAnswer(benchmark::State& state) {
    fullLevels();
    review::OpenLevels levels;
    store::ReviewLog log(*levels.db[1], store::kLevels[1]);
    long n = 0;
    for (auto _ : state) {
        const std::string word = "word " + std::to_string(kRows + n++ % kRows);
        log.record(word, {true, n, kToday, store::AnswerPlace::Review},
                   [](const auto& before) { return review::afterAnswer(before, true, kToday); });
    }
}
BENCHMARK(BM_KeepAnswer)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The store's own durable add, in the same run, on the same disk.
void BM_StoreDurableAdd(benchmark::State& state) {
    fullLevels();
    review::OpenLevels levels;
    auto rs = levels.db[2]->OpenRecordset("word2");
    long n = 0;
    for (auto _ : state)
        store::appendRecord(*rs, {"added " + std::to_string(n++), "meaning", " ", " ", " ", " "});
}
BENCHMARK(BM_StoreDurableAdd)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What the main menu does once it is up, on the default word lists (when
// the build made them): open the three files, count, close them.
void BM_MenuDueCount(benchmark::State& state) {
    const QString defaults = QStringLiteral(LEXITOR_DEFAULTS_DIR);
    if (!QDir(defaults).exists(QStringLiteral("word0.mdb"))) {
        state.SkipWithError("no default word lists in " LEXITOR_DEFAULTS_DIR);
        return;
    }
    QDir::setCurrent(defaults);
    for (auto _ : state) {
        review::OpenLevels levels;
        benchmark::DoNotOptimize(review::ReviewQueue(levels, kToday).dueToday());
    }
}
BENCHMARK(BM_MenuDueCount)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A learner who reviews every day for a year: each day the words due, then
// ten new ones; a reviewed word is recalled with the chance the model
// itself gives, a new one half the time. `right_share` is the share of
// due reviews answered right.
void BM_SimulatedYear(benchmark::State& state) {
    const int words = int(state.range(0));
    double share = 0;
    for (auto _ : state) {
        std::mt19937_64 random(2024);
        std::uniform_real_distribution<double> chance(0, 1);
        std::vector<std::optional<store::ReviewState>> memory(static_cast<std::size_t>(words));
        long reviews = 0, right = 0;
        int introduced = 0;
        for (int day = 0; day < 365; ++day) {
            for (auto& word : memory) {
                if (!word || word->dueDay > day)
                    continue;
                const bool recalled = chance(random) < review::recallChance(*word, day);
                word = review::afterAnswer(word, recalled, day);
                ++reviews;
                right += recalled;
            }
            for (int n = 0; n < review::kNewPerDay && introduced < words; ++n, ++introduced)
                memory[std::size_t(introduced)] =
                    review::afterAnswer(std::nullopt, chance(random) < 0.5, day, true);
        }
        share = double(right) / double(reviews);
        state.counters["reviews"] = double(reviews);
    }
    state.counters["right_share"] = share;
}
BENCHMARK(BM_SimulatedYear)
    ->Arg(6000)
    ->ArgName("words")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
