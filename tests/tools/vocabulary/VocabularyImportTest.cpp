// lexitor-words generate end to end: the lists it writes go through
// `lexitor-words import` unchanged, and bad runs fail with a clear message.

#include "tools/WordsRunner.h"
#include "tools/vocabulary/Vocabulary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lexitor;
using lexitor::tests::runWords;

namespace {

const QString kFixtures = QStringLiteral(VOCABULARY_FIXTURES);

QStringList fixtureArgs(const QString& out) {
    return {
        "generate",           "--out",       out, "--wordnet", kFixtures + "/wordnet", "--scowl",
        kFixtures + "/scowl", "--per-level", "6"};
}

} // namespace

class VocabularyImportTest : public QObject {
    Q_OBJECT

private slots:
    void generatedListsImportUnchanged() {
        QTemporaryDir dir;
        const QString out = dir.filePath("lists");
        const auto run = runWords(fixtureArgs(out));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("level 0: 6 words"));
        QVERIFY(run.err.contains("0.0% of meanings over 80 characters"));

        const auto wn = tools::vocabulary::loadWordNet((kFixtures + "/wordnet").toStdString());
        const auto scowl = tools::vocabulary::loadScowl((kFixtures + "/scowl").toStdString());
        tools::vocabulary::GenerateOptions options;
        options.perLevel = 6;
        const auto expected = tools::vocabulary::generateVocabulary(wn, scowl, options);

        for (int level = 0; level < 3; ++level) {
            const QString db = dir.filePath(QStringLiteral("word%1.mdb").arg(level));
            QCOMPARE(runWords({"create", db, "--level", QString::number(level)}).exitCode, 0);
        }
        for (int level = 0; level < 3; ++level) {
            const QString list = QDir(out).filePath(QStringLiteral("level%1.tsv").arg(level));
            const auto imported =
                runWords({"import", list, "--level", QString::number(level), "--dir", dir.path()});
            QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
            const auto rows =
                tests::levelRows(dir.filePath(QStringLiteral("word%1.mdb").arg(level)), level);
            QVERIFY(rows == expected.levels[std::size_t(level)]);
        }
    }

    void badRunsFail() {
        QTemporaryDir dir;
        auto args = fixtureArgs(dir.filePath("lists"));
        args[4] = dir.filePath("nowhere");
        auto run = runWords(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("missing WordNet file"));
        QVERIFY(!QFileInfo::exists(dir.filePath("lists/level0.tsv")));

        args = fixtureArgs(dir.filePath("lists"));
        args[6] = dir.filePath("nowhere");
        run = runWords(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("install the package scowl"));

        const QStringList fixture = fixtureArgs(dir.path());
        const QList<QStringList> usageErrors = {{"generate"}, // no --out
                                                fixture + QStringList{"--format", "csv"},
                                                fixture + QStringList{"--per-level", "x"},
                                                fixture + QStringList{"--colour"}};
        for (const QStringList& bad : usageErrors)
            QCOMPARE(runWords(bad).exitCode, 2);
        run = runWords({"generate", "--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--per-level N"));
    }
};

QTEST_GUILESS_MAIN(VocabularyImportTest)
#include "VocabularyImportTest.moc"
