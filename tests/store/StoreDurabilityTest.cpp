// Every change is durable when it returns, and the .mdb file alone holds
// it: a writer killed with SIGKILL loses no acknowledged add, update or
// delete. Killed between two changes it leaves no journal, so a copy of the
// .mdb file alone, taken then, opens clean and holds all of them; killed in
// the middle of one, its journal finishes the job.
#include "StoreFixtures.h"
#include "support/WordFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace lexitor::testing;

namespace {

// Word -> answer, for the words the writer has (the one row made first too).
using Words = std::map<std::string, std::string>;

struct Step {
    std::string what; // add, update, delete
    long n = 0;
};

// The step the writer takes after `last`.
Step following(const Step& last) {
    if (last.what == "add" && last.n % 2 == 1)
        return {"update", last.n};
    if (last.what != "delete" && last.n % 3 == 2)
        return {"delete", last.n};
    return {"add", last.n + 1};
}

void apply(Words& words, const std::string& prefix, const Step& step) {
    const std::string word = prefix + std::to_string(step.n);
    if (step.what == "add")
        words[word] = word + " means something rather long, to make the page fill up";
    else if (step.what == "update")
        words[word] = "updated";
    else
        words.erase(word);
}

Words stored(const QString& file) {
    Words words;
    for (const WordRecord& row : levelRows(file, 0))
        words[*row.word] = row.ans.value_or("");
    return words;
}

} // namespace

class StoreDurabilityTest : public QObject {
    Q_OBJECT

    Words expected_{{"before", "before-ans"}};

    // `file` (with its journal, if asked) copied alone elsewhere holds what was
    // acknowledged, or that and the step running at the kill; `expected_`
    // takes what it holds. Empty, or what differs.
    QString holdsAcknowledged(const QString& file, bool journal, const std::string& prefix,
                              const Step& running) {
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.filePath("word0.mdb");
        QFile::copy(file, copy);
        if (journal)
            QFile::copy(file + "-journal", copy + "-journal");
        Words withRunning = expected_;
        apply(withRunning, prefix, running);
        const Words found = stored(copy);
        if (firstValue(copy, "PRAGMA integrity_check") != "ok")
            return "the copy is damaged";
        if (found != expected_ && found != withRunning)
            return QString("%1 words, %2 expected").arg(found.size()).arg(expected_.size());
        expected_ = found;
        return {};
    }

private slots:
    void killedWriterLosesNothingAcknowledged() {
        QTemporaryDir dir;
        const QString file = dir.filePath("word0.mdb");
        makeLevelFile(file, 0, {"before"});
        // Paused between two steps, then running freely.
        const std::pair<bool, int> rounds[] = {{true, 1},  {true, 4},  {true, 9},   {false, 0},
                                               {false, 1}, {false, 5}, {false, 17}, {false, 60}};
        int round = 0;
        for (const auto& [pause, kills] : rounds) {
            const std::string prefix = "r" + std::to_string(++round) + "-";
            QProcess writer;
            writer.start(QStringLiteral(LEXITOR_CRASH_HELPER),
                         {file, QString::fromStdString(prefix), pause ? "pause" : "run"});
            QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
            Step last{"add", -1};
            std::vector<Step> acknowledged;
            const auto take = [&] {
                const QList<QByteArray> parts = writer.readLine().trimmed().split(' ');
                acknowledged.push_back({parts[0].toStdString(), parts[1].toLong()});
            };
            while (int(acknowledged.size()) < kills) {
                if (!writer.canReadLine()) {
                    QVERIFY2(writer.waitForReadyRead(30000),
                             writer.readAllStandardError().constData());
                    continue;
                }
                take();
                if (pause && int(acknowledged.size()) < kills)
                    writer.write("\n");
            }
            writer.kill();
            QVERIFY(writer.waitForFinished(30000));
            while (writer.canReadLine())
                take();
            for (const Step& step : acknowledged) {
                QCOMPARE(step.what, following(last).what);
                apply(expected_, prefix, last = step);
            }
            const Step running = acknowledged.empty() ? Step{"add", 0} : following(last);

            const bool journal = QFile::exists(file + "-journal");
            QVERIFY(!pause || !journal);
            QString differs = holdsAcknowledged(file, journal, prefix, running);
            QVERIFY2(differs.isEmpty(), qPrintable(differs));
            // Opened by the store, a change running at the kill is settled for good.
            QVERIFY(stored(file) == expected_);
            // (A journal killed before its first sync stays behind, inert:
            // without its header SQLite never applies it.)
            QVERIFY(!fileBytes(file + "-journal").startsWith("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7"));
            differs = holdsAcknowledged(file, false, prefix, running);
            QVERIFY2(differs.isEmpty(), qPrintable(differs));
        }
        QVERIFY(expected_.size() > 40);
    }
};

QTEST_GUILESS_MAIN(StoreDurabilityTest)
#include "StoreDurabilityTest.moc"
