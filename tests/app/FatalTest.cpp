// An engine failure in a handler is reported once, with the engine's text,
// and the program ends with a non-zero status, changing no file; a change
// made before is in its .mdb file alone, though the program ended at once.

#include "store/WordRecord.h"
#include "support/Files.h"
#include "support/WordFiles.h"

#include <QProcess>
#include <QtTest>

using namespace lexitor::testing;

class FatalTest : public QObject {
    Q_OBJECT
private slots:
    void aDamagedWordFileEndsTheProgramAfterOneMessage() {
        WordFiles files;
        for (int level = 0; level < lexitor::store::kLevelCount; ++level)
            files.add(level, {wordRow("alpha", "first letter"), wordRow("beta", "second letter")});
        const QByteArray word1 = fileBytes(files.path(1));

        QProcess child;
        child.setWorkingDirectory(files.dir());
        child.start(QStringLiteral(LEXITOR_FATAL_HELPER), {});
        QVERIFY(child.waitForFinished(30000));
        const QStringList lines =
            QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY(child.exitCode() != 0);
        QCOMPARE(lines.size(), 1); // one message, then the end
        QVERIFY2(lines[0].startsWith("Lexitor|"), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains("word2.mdb"), qPrintable(lines[0]));
        QVERIFY(lines[0].endsWith("|16"));
        QCOMPARE(fileBytes(files.path(1)), word1);
        QCOMPARE(fileBytes(files.path(2)), QByteArray(4096, '\x5a'));

        // The word added before the end, in a copy of word0.mdb alone.
        QTemporaryDir elsewhere;
        QVERIFY(QFile::copy(files.path(0), elsewhere.filePath("word0.mdb")));
        const auto rows = levelRows(elsewhere.filePath("word0.mdb"), 0);
        QCOMPARE(rows.size(), std::size_t(3));
        QCOMPARE(rows[2].ans, lexitor::store::FieldValue("stored before the end"));
    }
};

QTEST_MAIN(FatalTest)
#include "FatalTest.moc"
