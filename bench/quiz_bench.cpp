// Speed of the quiz on full-size levels (32767 rows each): one answer
// click, and a whole quiz of 1,000 answers from start to score.
#include "app/Form2.h"
#include "app/Program.h"
#include "quiz/frmTest.h"
#include "screens/Messages.h"
#include "screens/ScreenRefs.h"
#include "store/Transaction.h"
#include "store/WordRecord.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using namespace lexitor;
using namespace lexitor::app;
using namespace lexitor::quiz;
using namespace lexitor::screens;

namespace {

constexpr int kRows = 32767;

// Every other row has a short third choice and every fifth a missing
// first one, so answers also draw substitutes.
void buildLevels(const QString& dir) {
    for (const auto& level : store::kLevels) {
        const std::string path =
            QDir(dir)
                .filePath(QString::fromUtf8(level.file.data(), level.file.size()))
                .toStdString();
        store::createLevelDatabase(path, level.level);
        auto db = store::DBEngine::instance().OpenDatabase(path);
        auto rs = db->OpenRecordset(std::string(level.table));
        store::Transaction transaction(*db);
        for (int row = 0; row < kRows; ++row) {
            const std::string tag = std::to_string(level.level) + "_" + std::to_string(row);
            store::appendRecord(*rs,
                                {"word " + tag, "meaning " + tag,
                                 row % 5 == 0 ? store::FieldValue() : "first wrong " + tag,
                                 "second wrong " + tag, row % 2 == 0 ? "x" : "third wrong " + tag,
                                 row % 3 == 0 ? "ref " + tag : store::FieldValue()});
        }
        transaction.commit();
    }
}

// The program's own services, with every message box answered OK.
const Services& services() {
    static const Services quiet = [] {
        Services services = systemServices();
        services.showMessage = [](const Message&) { return vbOK; };
        return services;
    }();
    return quiet;
}

frmTest& startQuiz() {
    refs::get<Form2>(services()).cmdtest_Click();
    return *refs::peek<frmTest>();
}

void endQuiz(frmTest& quiz) {
    quiz.cmdSubmit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Picks the right option two times in three, the way a learner might.
void answer(frmTest& quiz, int n) {
    const int slot = quiz.state().answerSlot;
    quiz.ui.optSel[n % 3 == 2 ? slot % 4 : slot - 1]->click();
}

void BM_AnswerClick(benchmark::State& state) {
    frmTest& quiz = startQuiz();
    std::vector<double> micros;
    int n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        answer(quiz, n++);
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    state.counters["max_us"] = micros.back();
    endQuiz(quiz);
}
BENCHMARK(BM_AnswerClick)->Unit(benchmark::kMicrosecond)->Iterations(5000)->Repetitions(3);

void BM_WholeQuiz1000(benchmark::State& state) {
    for (auto _ : state) {
        frmTest& quiz = startQuiz();
        for (int n = 0; n < 1000; ++n)
            answer(quiz, n);
        endQuiz(quiz);
    }
}
BENCHMARK(BM_WholeQuiz1000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    buildLevels(dir.path());
    QDir::setCurrent(dir.path());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    refs::releaseAll();
    return 0;
}
