// The word list codecs and reader on their own: exact round trips of odd
// texts, and every reason to refuse a file with the line it names.

#include "CheckedRows.h"
#include "wordlist/formats/CsvCodec.h"
#include "wordlist/formats/TsvCodec.h"
#include "wordlist/formats/Utf8Check.h"
#include "wordlist/formats/WordListReader.h"

#include <QTest>

#include <algorithm>

using namespace lexitor::wordlist;
using lexitor::store::WordRecord;

Q_DECLARE_METATYPE(Fields)

namespace {

const std::vector<Fields> kOddRows = {
    {"  leading", "comma, inside", "say \"hi\"", "\"\"", "trailing ", std::nullopt},
    {"x'); DROP TABLE word0; --", "", " ", "\\N", "O'Brien", "50% off; -- not SQL"},
    {"Привет", "здравствуйте — a greeting", "你好世界", "مرحبا بالعالم", "emoji 🙂", ""},
    {"tab\there", "line\nbreak", "crlf\r\nbreak", "lone\rreturn", "\n", "a,\"b\",\r\nc"},
};

ReadList readWordList(const QByteArray& text, Format format) {
    WordListSource source(memoryDevice(text), format);
    return lexitor::testing::readChecked(source, format);
}

QString firstIssue(const ReadList& list) {
    return list.issues.empty() ? QString()
                               : QStringLiteral("%1: %2")
                                     .arg(list.issues.front().line)
                                     .arg(list.issues.front().reason);
}

} // namespace

class WordListCodecTest : public QObject {
    Q_OBJECT

private slots:
    void csvRoundTripKeepsEveryText() {
        const std::vector<Fields>& rows = kOddRows;
        QByteArray out;
        writeCsv(rows, out);
        const ParsedList parsed = parseCsv(out);
        QVERIFY(parsed.issues.empty());
        QCOMPARE(parsed.records.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            QVERIFY2(parsed.records[i].fields == rows[i], qPrintable(QString::number(i)));
        // A row starts on the physical line after the line breaks inside
        // quoted fields of the rows before it.
        QCOMPARE(parsed.records[3].line, 4);
    }

    void tsvRefusesWhatItCannotHold() {
        for (const std::string bad : {"a\tb", "a\nb", "a\rb", "\\N"}) {
            QByteArray sink;
            const auto problem = writeTsv({{"ok", "fine"}, {"word", bad}}, sink);
            QVERIFY2(problem.has_value(), bad.c_str());
            QCOMPARE(problem->row, std::size_t(1));
            QCOMPARE(problem->field, std::size_t(1));
        }
    }

    void tsvLines() {
        const ParsedList parsed = parseTsv("h\tx\r\n\r\n\\N\t\t \nbad\rcr\tx\nlast");
        QCOMPARE(parsed.records.size(), std::size_t(3));
        QCOMPARE(parsed.records[1].line, 3);
        QVERIFY((parsed.records[1].fields == Fields{std::nullopt, "", " "}));
        QCOMPARE(parsed.records[2].line, 5);
        QCOMPARE(parsed.issues.size(), std::size_t(1));
        QCOMPARE(parsed.issues[0].line, 4);
    }

    // A bad row names its line, and reading goes on with the next line.
    void csvMalformedRowsNameTheirLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QFETCH(int, lastRecordLine);
        const ParsedList parsed = parseCsv(text);
        QCOMPARE(parsed.issues.size(), std::size_t(1));
        QCOMPARE(parsed.issues[0].line, line);
        QVERIFY2(parsed.issues[0].reason.contains(reason), qPrintable(parsed.issues[0].reason));
        QCOMPARE(parsed.records.empty() ? 0 : parsed.records.back().line, lastRecordLine);
    }
    void csvMalformedRowsNameTheirLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("lastRecordLine");
        QTest::newRow("unclosed") << QByteArray("a,b\nc,\"open\n\nstill open") << 2
                                  << "never closed" << 1;
        QTest::newRow("after quote")
            << QByteArray("a\n\"x\ny\"z,b\nc\n") << 3 << "after a closing quote" << 4;
        QTest::newRow("bare quote")
            << QByteArray("a,b\nc\"d,e\nf,g\n") << 2 << "unquoted field" << 3;
        QTest::newRow("stray cr") << QByteArray("a\rb\nc\n") << 1 << "carriage return" << 2;
    }

    // The exact bytes written, not only that the reader takes them back;
    // each case is a row written twice.
    void writersWriteExactBytes() {
        QFETCH(bool, csv);
        QFETCH(Fields, fields);
        QFETCH(QByteArray, bytes);
        QByteArray out;
        if (csv)
            writeCsv({fields, fields}, out);
        else
            QVERIFY(!writeTsv({fields, fields}, out));
        QCOMPARE(out, bytes + bytes);
    }
    void writersWriteExactBytes_data() {
        QTest::addColumn<bool>("csv");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("csv plain")
            << true << Fields{"apple", "a red fruit"} << QByteArray("apple,a red fruit\r\n");
        QTest::newRow("csv null, empty")
            << true << Fields{std::nullopt, "", "x"} << QByteArray(",\"\",x\r\n");
        QTest::newRow("csv blanks around") << true << Fields{" lead", "trail ", " "}
                                           << QByteArray("\" lead\",\"trail \",\" \"\r\n");
        QTest::newRow("csv separators")
            << true << Fields{"a,b", "say \"hi\"", "t\tb", "l\nb", "c\rr"}
            << QByteArray("\"a,b\",\"say \"\"hi\"\"\",\"t\tb\",\"l\nb\",\"c\rr\"\r\n");
        QTest::newRow("tsv") << false << Fields{"  apple ", "a \"q\", b", std::nullopt, ""}
                             << QByteArray("  apple \ta \"q\", b\t\\N\t\n");
    }

    void utf8Validation() {
        const std::pair<QByteArray, int> cases[] = {
            {"plain", -1},           {"Ωмир你好🙂", -1}, {"caf\xE9", 3},
            {"a\xC0\xAF", 1},        {"\xE0\x80\xAF", 0},        {"ab\xED\xA0\x80", 2},
            {"\xF4\x90\x80\x80", 0}, {"ok\xE4\xBD", 2},          {"\x80", 0}};
        for (const auto& [text, badOffset] : cases) {
            const auto bad = firstInvalidUtf8(text);
            QVERIFY2((bad ? int(*bad) : -1) == badOffset, text.toHex().constData());
        }
    }

    void readerRefusesWithLineAndReason() {
        QFETCH(QByteArray, text);
        QFETCH(int, format);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const ReadList list = readWordList(text, Format(format));
        QVERIFY2(!list.issues.empty(), text.constData());
        QCOMPARE(list.issues.front().line, line);
        QVERIFY2(list.issues.front().reason.contains(reason), qPrintable(firstIssue(list)));
    }
    void readerRefusesWithLineAndReason_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QByteArray tsv = "word\tans\tc1\tc2\tc3\tref\n";
        const QByteArray csv = "word,ans,c1,c2,c3,ref\r\n";
        const int t = int(Format::Tsv), c = int(Format::Csv);
        const QByteArray good = "apple\ta fruit\tx1\tx2\tx3\t \n";
        QTest::newRow("empty file") << QByteArray() << t << 1 << "header";
        QTest::newRow("bad header")
            << QByteArray("word\tanswer\tc1\tc2\tc3\tref\n") << t << 1 << "header";
        QTest::newRow("header order")
            << QByteArray("ans,word,c1,c2,c3,ref\n") << c << 1 << "header";
        QTest::newRow("not utf-8") << tsv + good + "caf\xE9\tcoffee\tx\ty\tz\t \n"
                                   << t << 3 << "not UTF-8";
        QTest::newRow("too few fields") << tsv + good + "pear\ta fruit\tx\ty\n"
                                        << t << 3 << "4 fields";
        QTest::newRow("too many fields") << csv + "pear,fruit,x,y,z,r,extra\r\n"
                                         << c << 2 << "7 fields";
        QTest::newRow("null word") << csv + ",a fruit,x,y,z,\r\n" << c << 2 << "word";
        QTest::newRow("short answer") << tsv + "ab\tcd\tx\ty\tz\t \nplum\t x \tx\ty\tz\t \n"
                                      << t << 3 << "answer";
        QTest::newRow("null answer") << tsv + "plum\t\\N\tx\ty\tz\t \n" << t << 2 << "answer";
        QTest::newRow("null c2") << csv + "plum,a fruit,x,,z,\r\n" << c << 2 << "c2 is null";
        static const char nulRow[] = "plum\ta fr\0uit\tx\ty\tz\t \n";
        QTest::newRow("nul char") << tsv + QByteArray(nulRow, sizeof nulRow - 1) << t << 2 << "NUL";
        QTest::newRow("del") << tsv + "plum\ta fruit\x7F\tx\ty\tz\t \n"
                             << t << 2 << "ans holds the control character U+007F";
        QTest::newRow("c1 control") << csv + "plum,fruit,x,y,z,\"see\xC2\x9B" "1m\"\r\n"
                                    << c << 2 << "ref holds the control character U+009B";
        QTest::newRow("tab in tsv field") << tsv + good + "plum\ta\tfruit\tx\ty\tz\t \n"
                                          << t << 3 << "7 fields";
        QTest::newRow("cr in tsv field") << tsv + good + "plum\ta\rfruit\tx\ty\tz\t \n"
                                         << t << 3 << "carriage return";
        QTest::newRow("repeat in list")
            << tsv + good + "pear\tp\u00e9re\tx\ty\tz\t \n  APPLE \tagain\tx\ty\tz\t \n"
            << t << 4 << "already on line 2";
    }

    // Files are read a block of lines at a time and checked for UTF-8 a
    // megabyte at a time: a quoted field or a character across a boundary
    // stays whole, and the lines after it keep their numbers.
    void longFilesAcrossBlocks() {
        const QByteArray filler = "filler %1,a meaning,x,y,z,\r\n";
        QByteArray csv = "word,ans,c1,c2,c3,ref\r\n";
        int line = 1;
        for (int i = 0; csv.size() < 260'000; ++i, ++line)
            csv += QByteArray(filler).replace("%1", QByteArray::number(i));
        // A quoted field whose first line ends past the first block's 256 KB.
        const QByteArray rest = ",a meaning,x,y,z,\r\n";
        csv += QByteArray((256 << 10) - 5 - csv.size() - rest.size(), 'q') + rest;
        ++line;
        csv += "split,\"one\ntwo\nthree\",x,y,z,\r\n";
        for (int i = 0; csv.size() < (1 << 20) - 200; ++i, ++line)
            csv += QByteArray(filler).replace("%1", "b" + QByteArray::number(i));
        // An é whose two bytes lie on either side of the first megabyte.
        csv += QByteArray((1 << 20) - 1 - csv.size(), 'p') + "\xC3\xA9,xx,y,z,w,\r\n";
        csv += "short,a,x,y,z,\r\n";
        const ReadList list = readWordList(csv, Format::Csv);
        QCOMPARE(firstIssue(list), QStringLiteral("%1: the answer (ans) is missing or shorter than "
                                                  "2 characters")
                                       .arg(line + 5));
        QVERIFY(std::any_of(list.rows.begin(), list.rows.end(),
                            [](const ListRow& r) { return r.record.ans == "one\ntwo\nthree"; }));

        const ReadList bad = readWordList(csv + "caf\xE9,x,y,z,w,\r\n", Format::Csv);
        QCOMPARE(firstIssue(bad), QStringLiteral("%1: the file is not UTF-8 (byte %2 of the file)")
                                      .arg(line + 6)
                                      .arg(csv.size() + 4));
    }

    void readerAcceptsAndKeepsTextsVerbatim() {
        const QByteArray text = "\xEF\xBB\xBF"
                                "Word,ANS,c1,c2,c3,ref\r\n"
                                "\" apple \",a fruit,\"\",\" \",x3,\r\n\r\n"
                                "ok,\"multi\nline\",x1,x2,x3,\"r\"\r\n";
        const ReadList list = readWordList(text, Format::Csv);
        QVERIFY2(list.issues.empty(), qPrintable(firstIssue(list)));
        QCOMPARE(list.rows.size(), std::size_t(2));
        QCOMPARE(list.rows[0].line, 2);
        QVERIFY(
            (list.rows[0].record == WordRecord{" apple ", "a fruit", "", " ", "x3", std::nullopt}));
        QCOMPARE(list.rows[1].line, 4);
        QVERIFY(list.rows[1].record.ans == "multi\nline");
        QCOMPARE(searchWord(" \u00c9clair "), std::string("\u00c9clair"));
    }
};

QTEST_GUILESS_MAIN(WordListCodecTest)
#include "WordListCodecTest.moc"
