// The answers kept on real files: nothing acknowledged is lost when two
// writers are killed in the middle of their work; a file that can only be
// read still serves Review, keeps nothing and says so once; the word-list
// tool leaves the answers alone.
#include "review/AnswerRecorder.h"
#include "review/ReviewQueue.h"
#include "support/Files.h"
#include "support/WordFiles.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <map>

using namespace lexitor;
using namespace lexitor::testing;

namespace {

std::vector<store::WordRecord> fiveWords() {
    std::vector<store::WordRecord> rows;
    for (int i = 0; i < 5; ++i)
        rows.push_back(wordRow(("w" + std::to_string(i)).c_str(), "its meaning"));
    return rows;
}

} // namespace

class ReviewStoreTest : public QObject {
    Q_OBJECT
private slots:
    // Both writers killed while they keep answering the same words: every
    // answer either acknowledged is in the log, and each word's state
    // counts exactly the answers logged for it.
    void twoWritersKilled() {
        WordFiles files;
        files.add(0, fiveWords());
        std::map<long long, int> acknowledged; // time -> word
        for (int round = 0; round < 3; ++round) {
            QProcess writers[2];
            // The second starts once the first has settled what the last kill left.
            for (int i = 0; i < 2; ++i) {
                writers[i].start(QStringLiteral(LEXITOR_ANSWER_HELPER),
                                 {files.path(0), QString::number((round * 2 + i + 1) * 1000000)});
                QVERIFY2(writers[i].waitForStarted(), qPrintable(writers[i].errorString()));
                QVERIFY(writers[0].canReadLine() || writers[0].waitForReadyRead(30000));
            }
            std::array<int, 2> kept{};
            while (kept[0] < 20 + round * 15 || kept[1] < 20) {
                for (int i = 0; i < 2; ++i) {
                    while (writers[i].canReadLine()) {
                        const long n = writers[i].readLine().trimmed().split(' ')[1].toLong();
                        acknowledged[(round * 2 + i + 1) * 1000000LL + n] = int(n % 5);
                        ++kept[i];
                    }
                    if (!writers[i].canReadLine())
                        writers[i].waitForReadyRead(100);
                    QVERIFY2(writers[i].state() == QProcess::Running,
                             writers[i].readAllStandardError().constData());
                }
            }
            for (QProcess& writer : writers) {
                writer.kill();
                writer.waitForFinished();
            }
        }
        auto db = store::DBEngine::instance().OpenDatabase(files.path(0).toStdString());
        store::ReviewLog log(*db, store::kLevels[0]);
        std::map<long long, int> logged;
        for (int word = 0; word < 5; ++word) {
            const auto answers = log.answers("w" + std::to_string(word));
            for (const store::Answer& answer : answers)
                logged[answer.atMs] = word;
            QCOMPARE(log.state("w" + std::to_string(word))->answers, int(answers.size()));
        }
        for (const auto& [time, word] : acknowledged)
            QVERIFY2(logged.count(time) && logged[time] == word, qPrintable(QString::number(time)));
    }

    // A read-only file, and a read-only folder: Review asks its words and
    // moves on, nothing is written, and the user is told once.
    void readOnly() {
        QFETCH(bool, folder);
        WordFiles files;
        for (int level = 0; level < store::kLevelCount; ++level)
            files.add(level, fiveWords());
        const QByteArray before = fileBytes(files.path(1));
        QVERIFY(QFile::setPermissions(folder ? files.dir() : files.path(1),
                                      QFile::ReadOwner | QFile::ExeOwner));
        {
            review::OpenLevels levels;
            QStringList told;
            review::AnswerRecorder recorder(
                [] { return QDateTime(QDate(2024, 5, 1), QTime(9, 0)); },
                [&](const QString& text) { told.append(text); });
            for (const auto& level : store::kLevels)
                recorder.checkKept(*levels.db[level.level], level);
            review::ReviewQueue queue(levels, 19844);
            int asked = 0;
            while (const auto question = queue.next()) {
                recorder.record(*levels.db[question->level], store::kLevels[question->level],
                                *question->word.row.word, false, store::AnswerPlace::Review, true);
                ++asked;
            }
            QCOMPARE(asked, review::kNewPerDay);
            QCOMPARE(told.size(), 1);
            QVERIFY2(told[0].startsWith("Your answers cannot be kept") &&
                         told[0].contains(folder ? "word0.mdb" : "word1.mdb") &&
                         told[0].contains("read-only"),
                     qPrintable(told[0]));
            QVERIFY(store::ReviewLog(*levels.db[1], store::kLevels[1]).whyNotKept());
            QCOMPARE(bool(store::ReviewLog(*levels.db[0], store::kLevels[0]).whyNotKept()), folder);
        }
        QFile::setPermissions(files.dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(files.path(1), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(fileBytes(files.path(1)), before);
    }
    void readOnly_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }

    // Export and import by lexitor-words keep the answers as they were.
    void wordToolLeavesAnswersAlone() {
        WordFiles files;
        files.add(0, fiveWords());
        review::OpenLevels levels;
        review::AnswerRecorder recorder([] { return QDateTime(QDate(2024, 5, 1), QTime(9, 0)); },
                                        [](const QString&) {});
        recorder.record(*levels.db[0], store::kLevels[0], "w2", true, store::AnswerPlace::Quiz);
        levels.db[0]->Close();
        writeFile(files.dir() + "/more.tsv", "word\tans\tc1\tc2\tc3\tref\nnew\tone\ta\tb\tc\t \n");
        for (const QStringList& args : {QStringList{"export", "--level", "0", "--dir", files.dir()},
                                        QStringList{"import", files.dir() + "/more.tsv", "--level",
                                                    "0", "--dir", files.dir()}}) {
            QProcess words;
            words.start(QStringLiteral(LEXITOR_WORDS_EXE), args);
            QVERIFY(words.waitForFinished(60000) && words.exitCode() == 0);
        }
        auto db = store::DBEngine::instance().OpenDatabase(files.path(0).toStdString());
        store::ReviewLog log(*db, store::kLevels[0]);
        QCOMPARE(log.answers("w2").size(), std::size_t(1));
        QCOMPARE(log.state("w2")->dueDay, 19844 + 3);
        QVERIFY(!log.state("new"));
    }
};

QTEST_GUILESS_MAIN(ReviewStoreTest)
#include "ReviewStoreTest.moc"
