// A word whose Add has returned is in its file even when the program is
// killed straight afterwards: a child process adds words through the
// screen and is killed with SIGKILL while it is still adding.
#include "support/WordFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <map>

using lexitor::testing::WordFiles;

class Form1DurabilityTest : public QObject {
    Q_OBJECT

private slots:
    void addedWordsSurviveAKill() {
        WordFiles files;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
        child.start(ADD_WORDS_HELPER, {files.dir(), "100000"});
        QVERIFY(child.waitForStarted());

        // Kill once 40 adds have been reported, while the child goes on adding.
        QByteArray output;
        while (output.count('\n') < 40) {
            QVERIFY2(child.waitForReadyRead(60000), output.constData());
            output += child.readAllStandardOutput();
        }
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        output += child.readAllStandardOutput();

        const QRegularExpression added("^added (durable\\d+) (\\d)$");
        std::map<std::string, int> reported; // word -> level
        for (const QByteArray& line : output.split('\n')) {
            const auto match = added.match(QString::fromUtf8(line));
            if (match.hasMatch())
                reported[match.captured(1).toStdString()] = match.captured(2).toInt();
            else
                QVERIFY2(line.isEmpty(), line.constData());
        }
        QVERIFY(reported.size() >= 40);

        std::map<std::string, int> stored;
        for (int level = 0; level < 3; ++level) {
            for (const auto& row : files.rows(level)) {
                QVERIFY(row.word && row.ans && row.c1 && row.c2 && row.c3 && row.ref);
                QCOMPARE(*row.ans, std::string("kept after a kill"));
                QCOMPARE(*row.ref, std::string(" "));
                stored[*row.word] = level;
            }
        }
        for (const auto& [word, level] : reported) {
            QVERIFY2(stored.contains(word), word.c_str());
            QCOMPARE(stored[word], level);
        }
        // At most the one word whose Add returned just before the kill is
        // stored without having been reported.
        QVERIFY(stored.size() <= reported.size() + 1);
    }
};

QTEST_GUILESS_MAIN(Form1DurabilityTest)
#include "Form1DurabilityTest.moc"
