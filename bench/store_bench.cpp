// Word store speed on full-size level tables (32,767 rows each): moves and
// seeks (each with its look for other writers), counts, durable adds,
// updates and deletes, loading the orders again after another program
// changed one row, and opening the three level databases.
#include "store/Recordset.h"
#include "store/Transaction.h"
#include "store/WordRecord.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace lexitor::store;

namespace {

constexpr int kRows = 32767;

// Three level databases in a temporary directory, made once.
struct Files {
    QTemporaryDir dir;
    std::vector<std::string> words; // in table order
    std::string path(int level) const {
        return dir.filePath(QString::fromUtf8(kLevels[level].file.data())).toStdString();
    }

    Files() {
        std::mt19937 rng(42);
        for (int i = 0; i < kRows; ++i) {
            words.push_back(std::to_string(100000 + i).insert(0, 1, 'w'));
        }
        std::shuffle(words.begin(), words.end(), rng); // index order differs from table order
        for (int level = 0; level < kLevelCount; ++level) {
            createLevelDatabase(path(level), level);
            auto db = DBEngine::instance().OpenDatabase(path(level));
            auto rs = db->OpenRecordset(std::string(kLevels[level].table));
            Transaction transaction(*db);
            for (const auto& word : words) {
                appendRecord(*rs, {word, word + " answer", word + " wrong one", word + " wrong two",
                                   word + " wrong three", " "});
            }
            transaction.commit();
        }
    }
};

Files& files() {
    static Files made;
    return made;
}

// One open level-0 table, kept for the navigation benchmarks.
struct Session {
    std::unique_ptr<Database> db = DBEngine::instance().OpenDatabase(files().path(0));
    std::unique_ptr<Recordset> rs = db->OpenRecordset("word0");
};

Session& session() {
    static Session open;
    return open;
}

void BM_OpenThreeLevels(benchmark::State& state) {
    files();
    for (auto _ : state) {
        std::unique_ptr<Database> dbs[3];
        std::unique_ptr<Recordset> rss[3];
        for (int level = 0; level < kLevelCount; ++level) {
            dbs[level] = DBEngine::instance().OpenDatabase(files().path(level));
        }
        for (int level = 0; level < kLevelCount; ++level) {
            rss[level] = dbs[level]->OpenRecordset(std::string(kLevels[level].table));
            benchmark::DoNotOptimize(rss[level]->RecordCount());
        }
    }
}
BENCHMARK(BM_OpenThreeLevels)->Unit(benchmark::kMillisecond);

// Opening one level and its first navigation, which loads the table order.
void BM_OpenAndFirstMove(benchmark::State& state) {
    files();
    for (auto _ : state) {
        auto db = DBEngine::instance().OpenDatabase(files().path(1));
        auto rs = db->OpenRecordset("word1");
        rs->MoveFirst();
        rs->Move(kRows / 2);
        benchmark::DoNotOptimize(rs->Field("word"));
    }
}
BENCHMARK(BM_OpenAndFirstMove)->Unit(benchmark::kMillisecond);

// Opening one level and its first Seek, which loads the index order.
void BM_OpenAndFirstSeek(benchmark::State& state) {
    files();
    for (auto _ : state) {
        auto db = DBEngine::instance().OpenDatabase(files().path(2));
        auto rs = db->OpenRecordset("word2");
        rs->Index("wrd2in");
        rs->Seek("=", "w116383");
        benchmark::DoNotOptimize(rs->NoMatch());
    }
}
BENCHMARK(BM_OpenAndFirstSeek)->Unit(benchmark::kMillisecond);

// The quiz's positioning: MoveFirst, Move(n), read the word (of a row
// other than the last one read, so the read goes to the file).
void BM_MoveFromFirst(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("");
    const int n = static_cast<int>(state.range(0));
    int step = 0;
    for (auto _ : state) {
        rs.MoveFirst();
        rs.Move(n - (step++ & 1));
        benchmark::DoNotOptimize(rs.Field("word"));
    }
}

// The same without reading a field: the move alone.
void BM_MoveOnly(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("");
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        rs.MoveFirst();
        rs.Move(n);
    }
}
BENCHMARK(BM_MoveOnly)->Arg(32766)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_MoveFromFirst)->Arg(1)->Arg(1000)->Arg(16383)->Arg(32766);

void BM_Seek(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("wrdin");
    const auto& words = files().words;
    const char* comparison = state.range(0) == 0 ? "=" : ">=";
    std::size_t i = 0;
    for (auto _ : state) {
        // "=" with an exact word; ">=" with a shorter key that sorts before it.
        const std::string& word = words[i++ % words.size()];
        const std::string key = state.range(0) == 0 ? word : word.substr(0, word.size() - 1);
        rs.Seek(comparison, key);
        benchmark::DoNotOptimize(rs.Field("word"));
    }
}
BENCHMARK(BM_Seek)->Arg(0)->Arg(1)->ArgName("ge")->Repetitions(5)->ReportAggregatesOnly(true);

// The seek alone, with its look for other writers, without reading a field.
void BM_SeekOnly(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("wrdin");
    const auto& words = files().words;
    std::size_t i = 0;
    for (auto _ : state) {
        rs.Seek("=", words[i++ % words.size()]);
        benchmark::DoNotOptimize(rs.NoMatch());
    }
}
BENCHMARK(BM_SeekOnly)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_MoveNextInIndexOrder(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("wrdin");
    rs.MoveFirst();
    for (auto _ : state) {
        rs.MoveNext();
        if (rs.Eof()) {
            rs.MoveFirst();
        }
        benchmark::DoNotOptimize(rs.Field("word"));
    }
}
BENCHMARK(BM_MoveNextInIndexOrder);

void BM_RecordCount(benchmark::State& state) {
    Recordset& rs = *session().rs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rs.RecordCount());
    }
}
BENCHMARK(BM_RecordCount);

// A durable add: AddNew, every field, Update (committed and synced).
void BM_DurableAdd(benchmark::State& state) {
    Recordset& rs = *session().rs;
    long n = 0;
    for (auto _ : state) {
        const std::string word = "added" + std::to_string(n++);
        appendRecord(rs, {word, word + " answer", " ", " ", " ", " "});
    }
}
BENCHMARK(BM_DurableAdd)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A durable update of the editor's kind: four meanings of the current row,
// written only if the row still holds what was read.
void BM_DurableUpdate(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("");
    rs.MoveFirst();
    rs.Move(kRows / 2);
    long n = 0;
    for (auto _ : state) {
        rs.Edit();
        rs.SetField("ans", "answer " + std::to_string(n++));
        rs.SetField("c1", "one");
        rs.SetField("c2", "two");
        rs.SetField("c3", "three");
        rs.Update();
    }
}
BENCHMARK(BM_DurableUpdate)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A durable delete of the last row (those the adds above made).
void BM_DurableDelete(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index("");
    for (auto _ : state) {
        rs.MoveLast();
        rs.Delete();
    }
}
BENCHMARK(BM_DurableDelete)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Another program changes the word of one row; the next move notices it
// and loads the order again: the table order (0) or the index order (1).
void BM_MoveAfterAnotherProgramsChange(benchmark::State& state) {
    Recordset& rs = *session().rs;
    rs.Index(state.range(0) == 0 ? "" : "wrdin");
    rs.MoveFirst();
    sqlite3* other = nullptr;
    sqlite3_open(files().path(0).c_str(), &other);
    sqlite3_stmt* change = nullptr;
    sqlite3_prepare_v2(other, "UPDATE word0 SET word=? WHERE rowid=100", -1, &change, nullptr);
    long n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string word = "changed" + std::to_string(n++);
        sqlite3_bind_text(change, 1, word.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(change);
        sqlite3_reset(change);
        state.ResumeTiming();
        rs.Move(1);
        rs.Move(-1);
    }
    sqlite3_finalize(change);
    sqlite3_close(other);
}
BENCHMARK(BM_MoveAfterAnotherProgramsChange)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("indexed")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
