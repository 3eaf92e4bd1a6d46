// Word files from elsewhere: KVTML written by hand and as KDE ships it,
// two-column lists, wrong meanings taken from other entries, --skip-invalid,
// and the round trip Lexitor -> KVTML (read by KDE's own library) -> Lexitor.

#include "WordsRunner.h"
#include "support/SharedFixtures.h"
#include "wordlist/formats/KvtmlReader.h"
#include "wordlist/formats/PairsReader.h"
#include "wordlist/formats/TsvCodec.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace lexitor;
using namespace lexitor::testing;
using namespace lexitor::wordlist;
using store::FieldValue;

namespace {

QString text(const FieldValue& value) {
    return value ? QString::fromStdString(*value) : QStringLiteral("\\N");
}

// "place:word|ans|c1|c2|c3|ref" for each row, "!place: reason" for each
// problem.
QStringList describe(const ReadList& list) {
    QStringList all;
    for (const auto& [line, r, item] : list.rows)
        all.append(QStringLiteral("%1:").arg(line) + QStringList{text(r.word), text(r.ans),
                                                                 text(r.c1), text(r.c2), text(r.c3),
                                                                 text(r.ref)}
                                                         .join(u'|'));
    for (const ListIssue& issue : list.issues)
        all.append(QStringLiteral("!%1: %2").arg(issue.line).arg(issue.reason));
    return all;
}

// A KVTML 2.0 document with `identifiers` languages, these entries, and
// what follows them (lessons, word types).
QByteArray kvtml(int identifiers, const QByteArray& entries, const QByteArray& after = {}) {
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">"
                          "<identifiers>";
    for (int i = 0; i < identifiers; ++i)
        document += "<identifier id=\"" + QByteArray::number(i) +
                    "\"><locale>en</locale>"
                    "</identifier>";
    return document + "</identifiers><entries>" + entries + "</entries>" + after + "</kvtml>";
}

QByteArray entry(int id, const QByteArray& translations) {
    return "<entry id=\"" + QByteArray::number(id) + "\">" + translations + "</entry>";
}

QByteArray translation(int id, const QByteArray& inside) {
    return "<translation id=\"" + QByteArray::number(id) + "\">" + inside + "</translation>";
}

// An entry with a text in translations 0 and 1.
QByteArray wordEntry(int id, const QByteArray& word, const QByteArray& answer) {
    return entry(id, translation(0, "<text>" + word + "</text>") +
                         translation(1, "<text>" + answer + "</text>"));
}

const QString kShipped = QStringLiteral("/usr/share/apps/kvtml");

} // namespace

class ImportFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void kvtmlEntriesBecomeRows() {
        QFETCH(QByteArray, document);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, expected);
        const ReadList list =
            readKvtml(document, {from, to < 0 ? std::nullopt : std::optional<int>(to)});
        QCOMPARE(describe(list), expected);
    }
    void kvtmlEntriesBecomeRows_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("expected");
        const QByteArray twoCats =
            entry(3, translation(0, "<text>cat</text><example>A cat sat.</example>"
                                    "<example>Another.</example>") +
                         translation(1, "<text>gato</text><multiplechoice><choice>perro</choice>"
                                        "<choice></choice><choice>pez</choice><choice>ave"
                                        "</choice></multiplechoice>")) +
            entry(7, translation(0, "<text>dog</text>") +
                         translation(1, "<text>perro</text><multiplechoice><choice>  </choice>"
                                        "</multiplechoice><example>Un perro.</example>"));
        QTest::newRow("own choices, blanks, first example")
            << kvtml(2, twoCats) << 0 << -1
            << QStringList{"3:cat|gato|perro| |pez|A cat sat.", "7:dog|perro| | | |Un perro."};
        QTest::newRow("the other way round")
            << kvtml(2, twoCats) << 1 << 0
            << QStringList{"3:gato|cat|dog| | |A cat sat.", "7:perro|dog|cat| | |Un perro."};
        QTest::newRow("entities and odd text kept as they stand")
            << kvtml(2, wordEntry(0, "  &lt;b&gt; &amp; co ",
                                  "<![CDATA[x < y]]>&#13;\n\t&quot;é&quot;") +
                            wordEntry(1, "naïve", "simple"))
            << 0 << -1
            << QStringList{"0:  <b> & co |x < y\r\n\t\"é\"|simple| | |\\N",
                           "1:naïve|simple|x < y\r\n\t\"é\"| | |\\N"};
        QByteArray commented;
        for (const auto& [id, word, comment] : {std::tuple{0, "bear", "Large animal"},
                                                {1, "cow", "LARGE ANIMAL "},
                                                {2, "owl", "Night bird"}})
            commented += entry(id, translation(0, QByteArray("<text>") + word + "</text><comment>" +
                                                      comment + "</comment>"));
        QTest::newRow("one language: the comment is the answer")
            << kvtml(1, commented) << 0 << -1
            << QStringList{"0:bear|Large animal|Night bird| | |\\N",
                           "1:cow|LARGE ANIMAL |Night bird| | |\\N",
                           "2:owl|Night bird|Large animal| | |\\N"};
        QTest::newRow("entries without word or answer, by id")
            << kvtml(2, entry(4, translation(0, "<text>pear</text>")) +
                            entry(5, translation(1, "<text>pera</text>")) +
                            wordEntry(6, "x", "equis"))
            << 0 << -1
            << QStringList{"4:pear|\\N| | | |\\N",
                           "5:\\N|pera|equis| | |\\N",
                           "6:x|equis|pera| | |\\N",
                           "!4: the answer (ans) is missing or shorter than 2 characters",
                           "!5: the word is missing or shorter than 2 characters",
                           "!6: the word is missing or shorter than 2 characters"};
        QTest::newRow("a word twice")
            << kvtml(2, wordEntry(1, "Sun", "sol") + wordEntry(2, " sun", "sol")) << 0 << -1
            << QStringList{"1:Sun|sol| | | |\\N", "2: sun|sol| | | |\\N",
                           "!2: the word \"sun\" is already on entry 1"};
        QTest::newRow("no such translation")
            << kvtml(2, {}) << 0 << 2
            << QStringList{"!-1: the file has 2 translations (0 to 1); there is no translation 2"};
        QTest::newRow("older KVTML")
            << QByteArray("<kvtml encoding=\"UTF-8\"><e><o>bear</o><t>oso</t></e></kvtml>") << 0
            << -1
            << QStringList{"!-1: only KVTML 2.0 files are read; this is an older KVTML file "
                           "(KDE's Parley saves it as KVTML 2.0)"};
        QTest::newRow("not well-formed")
            << QByteArray("<kvtml version=\"2.0\">\n<entries>\n<entry id=\"0\">\n</entries>") << 0
            << -1 << QStringList{"!4: not well-formed XML: Opening and ending tag mismatch."};
    }

    // Wrong meanings come from the entry's own lesson and word type first,
    // then its lesson, then the file; never the answer, never twice, and the
    // same on every run.
    void wrongMeaningsPreferTheEntrysLesson() {
        QByteArray entries, pets, wild, nouns;
        for (int id = 0; id < 40; ++id) {
            entries += wordEntry(id, "word" + QByteArray::number(id),
                                 "Meaning " + QByteArray::number(id % 30));
            QByteArray& lesson = id < 8 ? pets : wild;
            lesson += entry(id, {});
            if (id % 2 == 0 && id < 8)
                nouns += entry(id, "<translation id=\"1\"/>");
        }
        const QByteArray document =
            kvtml(2, entries,
                  "<lessons><container><name>Animals</name><container><name>Pets</name>" + pets +
                      "</container></container><container><name>Wild</name>" + wild +
                      "</container></lessons><wordtypes><container><name>Noun</name>" + nouns +
                      "</container></wordtypes>");
        const ReadList list = readKvtml(document, {});
        QCOMPARE(describe(readKvtml(document, {})), describe(list));
        QVERIFY(list.issues.empty());
        for (const ListRow& row : list.rows) {
            const store::WordRecord& r = row.record;
            const QSet<QString> wrong{text(r.c1), text(r.c2), text(r.c3)};
            QCOMPARE(wrong.size(), 3);
            QVERIFY(!wrong.contains(text(r.ans)));
            if (row.line >= 8)
                continue;
            // Pet nouns (even ids) give each other exactly the other three.
            QSet<QString> lesson;
            for (int id = row.line % 2; id < 8; id += 2)
                lesson.insert(QStringLiteral("Meaning %1").arg(id));
            QVERIFY2(lesson.contains(wrong), qPrintable(describe(list)[row.line]));
        }
    }

    void twoColumnListsBecomeRows() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QCOMPARE(describe(readPairs(content, pairsCodec(name, content))), expected);
    }
    void twoColumnListsBecomeRows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("tsv with a header")
            << "l.tsv" << QByteArray("Word\tMeaning\napple\ta fruit\n leek \ta vegetable\n")
            << QStringList{"2:apple|a fruit|a vegetable| | |\\N",
                           "3: leek |a vegetable|a fruit| | |\\N"};
        QTest::newRow("csv without a header, quotes")
            << "l.csv" << QByteArray("\"pear, green\",a fruit\r\nleek,\"a \"\"vegetable\"\"\"\r\n")
            << QStringList{"1:pear, green|a fruit|a \"vegetable\"| | |\\N",
                           "2:leek|a \"vegetable\"|a fruit| | |\\N"};
        QTest::newRow("anki export, tab found in the first line")
            << "deck.txt"
            << QByteArray("#separator:tab\n#html:false\nfront\tback\nsol\tsun\n"
                          "luna\tmoon\n")
            << QStringList{"4:sol|sun|moon| | |\\N", "5:luna|moon|sun| | |\\N"};
        QTest::newRow("problems by line")
            << "l.csv"
            << QByteArray("term,definition\nx,a letter\nbee,an insect,extra\n"
                          "ant,,\nowl,a bird\n")
            << QStringList{"2:x|a letter|a bird| | |\\N", "5:owl|a bird|a letter| | |\\N",
                           "!3: 3 fields where 2 are needed (a word and its meaning)",
                           "!4: 3 fields where 2 are needed (a word and its meaning)",
                           "!2: the word is missing or shorter than 2 characters"};
    }

    // Every collection KDE ships in English, and one in French, reads
    // without a refusal, except the two whose entries lack a usable meaning:
    // hard.kvtml holds none at all (a word game's list), numbers.kvtml the
    // one-character meanings 0 to 9.
    void shippedCollectionsRead() {
        QStringList files = QDir(kShipped + "/en").entryList({"*.kvtml"}, QDir::Files);
        QVERIFY(files.size() >= 18);
        for (QString& file : files)
            file.prepend(QStringLiteral("en/"));
        files.append(QStringLiteral("fr/animals.kvtml"));
        for (const QString& file : files) {
            const ReadList list = readKvtml(fileBytes(kShipped + "/" + file), {});
            QSet<int> refused, expected;
            for (const ListIssue& issue : list.issues)
                refused.insert(issue.line);
            if (file == u"en/numbers.kvtml")
                expected = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
            for (const auto& [line, r, item] : list.rows) {
                if (file == u"en/hard.kvtml")
                    expected.insert(line);
                else if (expected.isEmpty())
                    QVERIFY2(
                        QSet<QString>({text(r.ans), text(r.c1), text(r.c2), text(r.c3)}).size() ==
                            4,
                        qPrintable(file + ": " + text(r.word)));
            }
            QVERIFY2(refused == expected, qPrintable(file));
            QVERIFY2(list.rows.size() >= 15, qPrintable(file));
        }
    }

    void skipInvalidImportsWhatPasses() {
        QTemporaryDir dir;
        QVERIFY(createLevels(dir.path(), {0, 1}));
        writeFile(dir.filePath("seed.txt"), "bear\tan animal\n");
        QCOMPARE(runWords({"import", "seed.txt", "--format", "pairs", "--level", "0"}, dir.path())
                     .exitCode,
                 0);
        writeFile(dir.filePath("l.kvtml"),
                  kvtml(2, wordEntry(1, "BEAR", "oso") +
                               entry(2, translation(0, "<text>cat</text>")) +
                               wordEntry(3, "owl", "búho")));
        // The refusal without --skip-invalid and the dry run are in
        // VocabularyImportTest: the same command for every format.
        const WordsRun run =
            runWords({"import", "l.kvtml", "--level", "1", "--skip-invalid"}, dir.path());
        QVERIFY2(
            run.exitCode == 0 && run.out.contains("Imported 1 rows") &&
                run.out.contains("2 rows with problems") &&
                run.err.contains("l.kvtml: entry 1: the word \"BEAR\" is already in level 0") &&
                run.err.contains("l.kvtml: entry 2: the answer (ans) is missing"),
            qPrintable(run.describe()));
        const auto rows = levelRows(dir.filePath("word1.mdb"), 1);
        QVERIFY(rows.size() == 1 && rows[0].word == "owl");
    }

    // Lexitor -> KVTML, read by KDE's own library -> Lexitor gives back the
    // same rows.
    void kvtmlRoundTripThroughKdesLibrary() {
        REQUIRE_SHARED_FIXTURE(QStringLiteral("jet/word1.tsv"));
        const QString fixture = sharedFixture(QStringLiteral("jet/word1.tsv"));
        QTemporaryDir first, second;
        QVERIFY(createLevels(first.path(), {1}) && createLevels(second.path(), {1}));
        // The one row with a null c2 is left out.
        WordsRun run =
            runWords({"import", fixture, "--level", "1", "--dir", first.path(), "--skip-invalid"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QString kvtmlFile = first.filePath("level1.kvtml");
        QCOMPARE(runWords({"export", "--level", "1", "--dir", first.path(), kvtmlFile}).exitCode,
                 0);

        QProcess check;
        check.start(QStringLiteral(KVTML_CHECK_EXE), {kvtmlFile});
        QVERIFY(check.waitForFinished(60'000));
        QStringList read = QString::fromUtf8(check.readAllStandardOutput()).split(u'\n');
        QCOMPARE(read.takeFirst(), QStringLiteral("2"));
        read.removeAll(QString());
        const auto rows = levelRows(first.filePath("word1.mdb"), 1);
        QCOMPARE(read.size(), qsizetype(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const store::WordRecord& r = rows[i];
            // The library trims what it reads.
            QStringList choices{text(r.c1), text(r.c2), text(r.c3)};
            choices.removeAll(QStringLiteral(" "));
            QCOMPARE(read[qsizetype(i)],
                     QStringList({"Level 1", text(r.word).trimmed(), text(r.ans).trimmed(),
                                  choices.join(u'|'), r.ref ? text(r.ref).trimmed() : QString()})
                         .join(u'\t'));
        }

        run = runWords({"import", kvtmlFile, "--level", "1", "--dir", second.path()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(levelRows(second.filePath("word1.mdb"), 1) == rows);
    }
};

QTEST_GUILESS_MAIN(ImportFormatsTest)
#include "ImportFormatsTest.moc"
