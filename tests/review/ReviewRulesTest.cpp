// The scheduler against values worked out by hand from FSRS-5's published
// formulas; the order Review asks words in, with its daily limit of new
// words; and long random runs of answers, new words and deletions on real
// files, checked against a plain model after every step.
#include "review/AnswerRecorder.h"
#include "review/ReviewQueue.h"
#include "review/Schedule.h"
#include "support/OtherProgram.h"
#include "support/WordFiles.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>

using namespace lexitor;
using namespace lexitor::testing;
using review::Question;

namespace {

QDateTime noonOf(int day) {
    return QDateTime(QDate(1970, 1, 1).addDays(day), QTime(12, 0));
}

// Answers given on the day it is set to, in the files of the working directory.
struct Learner {
    explicit Learner(int on = 100) : day(on) {}
    int day;
    review::OpenLevels levels;
    review::AnswerRecorder recorder{[this] { return noonOf(day); },
                                    [](const QString& text) { QFAIL(qPrintable(text)); }};

    void answer(int level, const std::string& word, bool right, bool asNew = false) {
        recorder.record(*levels.db[level], store::kLevels[level], word, right,
                        store::AnswerPlace::Review, asNew);
    }
    std::optional<store::ReviewState> state(int level, const std::string& word) {
        return store::ReviewLog(*levels.db[level], store::kLevels[level]).state(word);
    }
    // The words a session asks, answering each right.
    QStringList session(int count = 100) {
        review::ReviewQueue queue(levels, day);
        QStringList asked;
        while (int(asked.size()) < count) {
            const auto question = queue.next();
            if (!question)
                break;
            asked.append(QString::fromStdString(*question->word.row.word));
            answer(question->level, *question->word.row.word, true, question->isNew);
        }
        return asked;
    }
};

std::vector<store::WordRecord> named(const char* stem, int count) {
    std::vector<store::WordRecord> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(wordRow((stem + std::to_string(i)).c_str(), "its meaning"));
    return rows;
}

} // namespace

class ReviewRulesTest : public QObject {
    Q_OBJECT
private slots:
    // Right is Good, wrong is Again; `answers` is "<day><+ or ->" each.
    void fsrsSteps() {
        QFETCH(QStringList, answers);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, due);
        std::optional<store::ReviewState> state;
        for (const QString& answer : answers)
            state = review::afterAnswer(state, answer.endsWith('+'), answer.chopped(1).toInt());
        QVERIFY(qAbs(state->stability - stability) < 1e-6);
        QVERIFY(qAbs(state->difficulty - difficulty) < 1e-6);
        QCOMPARE(state->dueDay, due);
        QCOMPARE(state->answers, int(answers.size()));
        QCOMPARE(state->lapses, int(answers.filter("-").size()));
    }
    void fsrsSteps_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("due");
        // clang-format off
        QTest::newRow("right") << QStringList{"100+"} << 3.173 << 5.282434 << 103;
        QTest::newRow("wrong") << QStringList{"100-"} << 0.40255 << 7.1949 << 101;
        QTest::newRow("right, right when due") << QStringList{"100+", "103+"} << 10.738926 << 5.272968 << 114;
        QTest::newRow("right, wrong when due") << QStringList{"100+", "103-"} << 1.055561 << 6.796933 << 104;
        QTest::newRow("right twice a day") << QStringList{"100+", "100+"} << 4.466858 << 5.272968 << 104;
        QTest::newRow("wrong, right, right") << QStringList{"100-", "101+", "104+"} << 7.337957 << 7.158456 << 111;
        QTest::newRow("clock set back") << QStringList{"100+", "98-"} << 1.589764 << 6.796933 << 100;
        QTest::newRow("right, right late") << QStringList{"100+", "120+"} << 36.577587 << 5.272968 << 157;
        // clang-format on
    }

    // Due words first, most overdue first and the lower level among equals,
    // whatever level they are in; then new words from level 0 up in table
    // order, ten a day, however many visits ask them; words answered in the
    // quiz are not new; a state whose word was deleted by another program
    // is passed over.
    void dueOrderAndNewWords() {
        WordFiles files;
        files.add(0, named("a", 15));
        files.add(1, named("b", 5));
        files.add(2, named("c", 5));
        Learner learner;
        learner.answer(0, "a3", true);
        learner.answer(1, "b1", false);
        learner.answer(2, "c2", true);
        learner.answer(0, "a5", false);
        learner.answer(2, "c4", false);
        otherProgramRuns(files.path(2), "DELETE FROM word2 WHERE word='c4';");
        learner.day = 104;
        review::ReviewQueue queue(learner.levels, learner.day);
        QCOMPARE(queue.dueToday().due, 4);
        QCOMPARE(queue.dueToday().fresh, 10);
        learner.recorder.record(*learner.levels.db[0], store::kLevels[0], "a0", true,
                                store::AnswerPlace::Quiz);
        QCOMPARE(learner.session(7), (QStringList{"a5", "b1", "a3", "c2", "a1", "a2", "a4"}));
        QCOMPARE(learner.session(), (QStringList{"a6", "a7", "a8", "a9", "a10", "a11", "a12"}));
        QCOMPARE(learner.session(), QStringList());
        learner.day = 105;
        QCOMPARE(learner.session(),
                 (QStringList{"a13", "a14", "b0", "b2", "b3", "b4", "c0", "c1", "c3"}));
        review::ReviewQueue later(learner.levels, 106);
        QCOMPARE(later.dueToday().due, 0);
        // New words right with a stability of 3.173 fall due three days on:
        // those of day 104 (and a0, from the quiz) on 107, those of 105 on 108.
        QCOMPARE(later.dueAhead()[0], 11);
        QCOMPARE(later.dueAhead()[1], 9);
    }

    // Random answers on advancing days, new words and deletions through the
    // store, against a model made by the same scheduler: the states, the
    // answers kept and the order of the due words stay the same, also after
    // the files are opened again.
    void randomAgainstModel() {
        WordFiles files;
        files.add(0, named("w", 40));
        std::map<std::string, store::ReviewState> model;
        std::map<std::string, int> answersOf;
        std::vector<std::string> words;
        for (int i = 0; i < 40; ++i)
            words.push_back("w" + std::to_string(i));
        QRandomGenerator random(7);
        auto learner = std::make_unique<Learner>();
        for (int step = 0; step < 400; ++step) {
            const std::string word = words[random.bounded(int(words.size()))];
            const int what = random.bounded(20);
            if (what == 0) {
                learner->day += random.bounded(1, 6);
            } else if (what == 1 && words.size() > 5) {
                auto rs = learner->levels.db[0]->OpenRecordset("word0");
                rs->Index("wrdin");
                rs->Seek("=", word);
                rs->Delete();
                model.erase(word);
                answersOf.erase(word);
                words.erase(std::find(words.begin(), words.end(), word));
            } else if (what == 2) {
                learner = std::make_unique<Learner>(learner->day);
            } else {
                const bool right = random.bounded(3) > 0;
                learner->answer(0, word, right);
                model[word] = review::afterAnswer(model.count(word) ? std::optional(model[word])
                                                                    : std::nullopt,
                                                  right, learner->day);
                ++answersOf[word];
            }
            store::ReviewLog log(*learner->levels.db[0], store::kLevels[0]);
            QVERIFY(log.state(word) ==
                    (model.count(word) ? std::optional(model[word]) : std::nullopt));
            QCOMPARE(int(log.answers(word).size()), answersOf.count(word) ? answersOf[word] : 0);
            std::vector<std::pair<int, std::string>> due, expected;
            log.forEachDue(learner->day, [&](const store::ReviewWord& w) {
                due.push_back({w.state->dueDay, *w.row.word});
                return true;
            });
            for (const auto& [key, state] : model) {
                if (state.dueDay <= learner->day)
                    expected.push_back({state.dueDay, key});
            }
            std::sort(expected.begin(), expected.end());
            QVERIFY(due == expected);
        }
    }
};

QTEST_MAIN(ReviewRulesTest)
#include "ReviewRulesTest.moc"
