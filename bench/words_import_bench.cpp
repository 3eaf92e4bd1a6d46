// A bare list of 1,000 words imported into a level database, as
// `lexitor-words import` does it: WordNet and SCOWL read once per run, the
// pool of wrong meanings built, every entry made and the rows added. Then
// the parts of such a run alone. Needs Debian's WordNet and SCOWL packages.
#include "store/WordRecord.h"
#include "wordlist/Commands.h"
#include "wordlist/vocabulary/WordListEntries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

using namespace lexitor::wordlist;
using namespace lexitor::wordlist::vocabulary;

namespace {

constexpr std::size_t kWords = 1000;

// Words a teacher might list: plain words of SCOWL's larger lists, many of
// them inflected, some unknown to WordNet.
const std::vector<std::string>& listedWords() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> all;
        for (const char* size : {"35", "50", "60"}) {
            std::ifstream in(std::string(kDefaultScowlDir) + "/english-words." + size);
            for (std::string word; std::getline(in, word);)
                if (word.find('\'') == std::string::npos)
                    all.push_back(word);
        }
        std::vector<std::string> picked;
        for (std::size_t i = 0; i < all.size() && picked.size() < kWords;
             i += std::max<std::size_t>(1, all.size() / kWords))
            picked.push_back(all[i]);
        return picked;
    }();
    return words;
}

// Skips the benchmark, saying why, when WordNet or SCOWL is missing.
bool installed(benchmark::State& state) {
    const bool found = missingWordNetFiles(kDefaultWordNetDir).empty() &&
                       missingScowlFiles(kDefaultScowlDir).empty() &&
                       listedWords().size() == kWords;
    if (!found)
        state.SkipWithError("WordNet or SCOWL is not installed");
    return found;
}

// The whole command, in a fresh folder of empty level databases each time.
void BM_ImportThousandWords(benchmark::State& state) {
    if (!installed(state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        QFile list(dir.filePath("words.txt"));
        if (!list.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the list");
            break;
        }
        for (const std::string& word : listedWords())
            list.write(QByteArray::fromStdString(word + "\n"));
        list.close();
        for (int level = 0; level < lexitor::store::kLevelCount; ++level)
            lexitor::store::createLevelDatabase(
                dir.filePath(QStringLiteral("word%1.mdb").arg(level)).toStdString(), level);
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            runImport({list.fileName(), "--level", "2", "--dir", dir.path(), "--skip-invalid"}));
    }
}
BENCHMARK(BM_ImportThousandWords)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadWordNet(benchmark::State& state) {
    if (!installed(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(loadWordNet(kDefaultWordNetDir));
}
BENCHMARK(BM_LoadWordNet)->Unit(benchmark::kMillisecond)->Iterations(3);

struct Sources {
    WordNet wn = loadWordNet(kDefaultWordNetDir);
    ScowlWords scowl = loadScowl(kDefaultScowlDir);
};

const Sources& sources() {
    static const Sources loaded;
    return loaded;
}

void BM_BuildPool(benchmark::State& state) {
    if (!installed(state))
        return;
    const Sources& loaded = sources();
    for (auto _ : state) {
        DropCounts dropped;
        benchmark::DoNotOptimize(buildCandidates(loaded.wn, loaded.scowl, dropped));
    }
}
BENCHMARK(BM_BuildPool)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MakeThousandEntries(benchmark::State& state) {
    if (!installed(state))
        return;
    DropCounts dropped;
    const LevelCandidates pool = buildCandidates(sources().wn, sources().scowl, dropped);
    for (auto _ : state) {
        EntryMaker maker(sources().wn, pool, sources().scowl);
        for (const std::string& word : listedWords())
            benchmark::DoNotOptimize(maker.make(word, 2));
    }
}
BENCHMARK(BM_MakeThousandEntries)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
