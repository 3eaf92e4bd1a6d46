// Word files from elsewhere, end to end as a user runs them:
// - bringing a Jet level file of 20,000 rows across (`lexitor-words
//   convert`) beside `mdb-export` dumping the same table to CSV; the
//   conversion should take at most three times as long;
// - writing a converted level of 20,000 rows, the part of a conversion that
//   grows with the file besides libmdb's reading;
// - importing a KVTML collection of 20,000 entries.
#include "wordlist/LevelWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRows = 20000;

const QString kJetFile = QStringLiteral(LEXITOR_SHARED_FIXTURES "/jet/big/word2.mdb");

// Runs a program with its output thrown away; returns its exit status.
int run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

void copyJetFile(const QString& dir) {
    QFile::remove(dir + "/word2.mdb");
    QFile::remove(dir + "/word2.mdb.jet");
    QFile::copy(kJetFile, dir + "/word2.mdb");
}

void BM_MdbExportJetTable(benchmark::State& state) {
    if (!QFile::exists(kJetFile))
        return state.SkipWithError("the shared Jet fixtures are not there");
    for (auto _ : state) {
        if (run({"mdb-export", kJetFile.toStdString(), "word2"}) != 0)
            return state.SkipWithError("mdb-export failed");
    }
}
BENCHMARK(BM_MdbExportJetTable)->Unit(benchmark::kMillisecond);

void BM_ConvertJetFile(benchmark::State& state) {
    if (!QFile::exists(kJetFile))
        return state.SkipWithError("the shared Jet fixtures are not there");
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        copyJetFile(dir.path());
        state.ResumeTiming();
        if (run({LEXITOR_WORDS_EXE, "convert", "--dir", dir.path().toStdString()}) != 0)
            return state.SkipWithError("convert failed");
    }
}
BENCHMARK(BM_ConvertJetFile)->Unit(benchmark::kMillisecond);

void BM_WriteConvertedLevel(benchmark::State& state) {
    std::vector<lexitor::store::WordRecord> rows;
    for (int i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i);
        rows.push_back({"word " + n, "the meaning of word " + n, "a wrong meaning " + n,
                        "another wrong meaning", std::nullopt, i % 7 ? "A reference." : " "});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("word1.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        lexitor::wordlist::writeLevelFile(path, 1, rows);
    }
}
BENCHMARK(BM_WriteConvertedLevel)->Unit(benchmark::kMillisecond);

void BM_ImportKvtml(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath("big.kvtml");
    {
        QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
                         "<identifiers><identifier id=\"0\"><locale>en</locale></identifier>"
                         "</identifiers>\n<entries>\n";
        for (int i = 0; i < kRows; ++i) {
            const QByteArray n = QByteArray::number(i);
            xml += "<entry id=\"" + n + "\"><translation id=\"0\"><text>word " + n +
                   "</text><comment>The meaning of word " + n + " &amp; more</comment>"
                   "</translation></entry>\n";
        }
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(xml + "</entries>\n</kvtml>\n");
    }
    const QString level = dir.filePath("word1.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(level);
        run({LEXITOR_WORDS_EXE, "create", level.toStdString(), "--level", "1"});
        state.ResumeTiming();
        if (run({LEXITOR_WORDS_EXE, "import", file.toStdString(), "--level", "1", "--dir",
                 dir.path().toStdString()}) != 0)
            return state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportKvtml)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
