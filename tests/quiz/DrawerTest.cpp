// Drawing questions and their options, over rows in memory and scripted
// draws: no repeats, rows that cannot be asked, used-up levels and the
// level skip, placement and substitutes.
#include "ScriptedDraws.h"
#include "quiz/RnGen.h"

#include <QTest>

#include <cmath>

using namespace lexitor;
using namespace lexitor::quiz;
using namespace lexitor::testing;

namespace {

// A quiz at `level` over levels written one letter a row: 'w' a row to ask,
// 'x' a row without a word, 'n' one without an answer, 's' a row to ask
// whose answer is "same"; other answers are "a<level>_<offset>".
struct Levels : RowSource {
    Levels(const QStringList& levels, int level) : rows(levels) {
        for (int l = 0; l < store::kLevelCount; ++l)
            state.recCount[l] = static_cast<qint16>(rows[l].size());
        state.currentLevel = static_cast<qint16>(level);
    }
    char at(qint16 level, qint16 offset) const {
        return offset < rows[level].size() ? rows[level][offset].toLatin1() : '-';
    }
    bool usable(qint16 level, qint16 offset) override {
        return at(level, offset) == 'w' || at(level, offset) == 's';
    }
    std::optional<std::string> answer(qint16 level, qint16 offset) override {
        const char row = at(level, offset);
        if (row == '-' || row == 'n')
            return std::nullopt;
        return row == 's' ? "same" : "a" + std::to_string(level) + "_" + std::to_string(offset);
    }

    QStringList rows;
    QuizState state;
};

} // namespace

class DrawerTest : public QObject {
    Q_OBJECT
private slots:
    // Questions drawn one after another from a state: with nothing asked yet
    // the first is the quiz's first question; "end" where every level is
    // used up. Every scripted offset is drawn, none more.
    void questions() {
        QFETCH(QStringList, levels);
        QFETCH(int, level);
        QFETCH(QString, usedUp);
        QFETCH(QString, asked);
        QFETCH(QList<qint16>, offsets);
        QFETCH(QString, questions);
        QFETCH(QString, usedUpAfter);
        QFETCH(int, usedSlot);
        Levels rows(levels, level);
        QuizState& state = rows.state;
        for (int l = 0; l < store::kLevelCount; ++l)
            state.levelUsedUp[l] = usedUp[l] == 'T';
        for (const QString& cell : asked.split(' ', Qt::SkipEmptyParts))
            state.usedOffsets.record(cell.section(':', 0, 0).toShort(),
                                     cell.section(':', 1).toShort());
        ScriptedDraws draws;
        draws.offsets.assign(offsets.begin(), offsets.end());
        Drawer drawer(state, rows, draws);

        QStringList drawn;
        for (int question = 0; question < questions.count(' ') + 1; ++question) {
            const auto offset =
                question == 0 && asked.isEmpty() ? drawer.firstQuestion() : drawer.nextQuestion();
            drawn.append(offset ? QString("%1:%2").arg(state.currentLevel).arg(*offset) : "end");
            if (offset) // recorded in the cell the slot counter names
                QCOMPARE(
                    state.usedOffsets.cell(state.currentLevel, state.usedOffsets.usedSlot() - 1),
                    *offset);
        }
        QCOMPARE(drawn.join(' '), questions);
        for (int l = 0; l < store::kLevelCount; ++l)
            QCOMPARE(state.levelUsedUp[l], usedUpAfter[l] == 'T');
        QCOMPARE(state.usedOffsets.usedSlot(), usedSlot);
        QVERIFY(draws.offsets.empty());
    }
    void questions_data() {
        QTest::addColumn<QStringList>("levels");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("usedUp");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QList<qint16>>("offsets");
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("usedUpAfter");
        QTest::addColumn<int>("usedSlot");
        const QStringList six = {"wwwwww", "wwwwww", "wwwwww"};
        const QStringList two = {"ww", "ww", "ww"};
        // clang-format off
        QTest::newRow("first question")
            << six << 1 << "FFF" << "" << QList<qint16>{5} << "1:5" << "FFF" << 1;
        QTest::newRow("first row cannot be asked: counts as asked, the next drawn")
            << QStringList{"ww", "wxwwww", "ww"} << 1 << "FFF" << ""
            << QList<qint16>{1, 1, 3} << "1:3" << "FFF" << 2;
        QTest::newRow("first question, nothing to ask anywhere")
            << QStringList{"wx", "wx", "wx"} << 1 << "FFF" << ""
            << QList<qint16>{1, 1, 1, 1} << "end" << "TTT" << 1;
        QTest::newRow("a repeat is drawn again")
            << six << 1 << "FFF" << "1:3 1:4" << QList<qint16>{3, 4, 5} << "1:5" << "FFF" << 3;
        QTest::newRow("repeats count per level")
            << six << 1 << "FFF" << "0:3 2:3" << QList<qint16>{3} << "1:3" << "FFF" << 3;
        QTest::newRow("rows without word or answer are drawn again")
            << QStringList{"ww", "wwxwnw", "ww"} << 1 << "FFF" << "1:1"
            << QList<qint16>{2, 4, 5} << "1:5" << "FFF" << 2;
        QTest::newRow("skip off a used-up level before drawing")
            << six << 2 << "FFT" << "1:1" << QList<qint16>{4} << "1:4" << "FFT" << 2;
        QTest::newRow("two rows a level: used up at the first draw, the offset still asked")
            << two << 1 << "FFF" << "1:1" << QList<qint16>{1, 1, 1} << "0:1 end" << "TTT" << 2;
        QTest::newRow("the fresh offset of the limit stands at the new level, uncompared")
            << QStringList{"wwwwww", "www", "wwwwww"} << 1 << "FFF" << "2:2 1:1"
            << QList<qint16>{1, 2} << "2:2" << "FTF" << 3;
        QTest::newRow("the fresh offset of the limit cannot be asked at the new level")
            << QStringList{"wwwwww", "www", "wwxwww"} << 1 << "FFF" << "1:1"
            << QList<qint16>{1, 2, 3} << "2:3" << "FTF" << 2;
        QTest::newRow("the fresh offset of the limit names no row at the new level")
            << QStringList{"wwww", "www", "ww"} << 1 << "FFF" << "1:1"
            << QList<qint16>{1, 2, 1} << "0:1" << "FTT" << 2;
        QTest::newRow("attempts count on across levels")
            << QStringList{"www", "www", "wwww"} << 1 << "FFF" << "1:1 1:2"
            << QList<qint16>{1, 2, 3, 1} << "end" << "TTT" << 2;
        // clang-format on
    }

    // Captions of options 0..3 for a question row at level 1: the answer on
    // the slot drawn, wrong choices or substitutes for those missing or
    // shorter than three letters. A substitute never repeats the answer
    // while another row serves; when draws keep missing, the rows after the
    // last one drawn are tried in turn, never row 0.
    void options() {
        QFETCH(QString, level);
        QFETCH(QStringList, row); // ans, c1, c2, c3; "null" for a missing one
        QFETCH(qint16, slot);
        QFETCH(QList<qint16>, substitutes);
        QFETCH(QStringList, captions);
        Levels rows({"ww", level, "ww"}, 1);
        QuizState& state = rows.state;
        ScriptedDraws draws;
        draws.answerSlots = {slot};
        draws.substitutes.assign(substitutes.begin(), substitutes.end());
        StoredChoices stored;
        for (int i = 0; i < kOptionCount; ++i)
            stored[i] = row[i] == "null" ? store::FieldValue() : row[i].toStdString();

        QStringList shown;
        for (const std::string& caption : Drawer(state, rows, draws).options(stored))
            shown.append(QString::fromStdString(caption));
        QCOMPARE(shown, captions);
        QCOMPARE(state.answerSlot, slot);
        QVERIFY(draws.substitutes.empty());
    }
    void options_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<qint16>("slot");
        QTest::addColumn<QList<qint16>>("substitutes");
        QTest::addColumn<QStringList>("captions");
        // clang-format off
        QTest::newRow("short and missing choices replaced, three letters kept as stored")
            << "wwww" << QStringList{"ans", "  ab ", " abc ", "null"} << qint16(2)
            << QList<qint16>{2, 3} << QStringList{"a1_2", "ans", " abc ", "a1_3"};
        // c1: itself, the same answer, then row 5. c2: no answer, itself,
        // the same answer, then the walk from row 3 passes row 4 to row 5.
        QTest::newRow("never the answer again") << "wwssnw" << QStringList{"same", "x", "y", "z"}
            << qint16(1) << QList<qint16>{2, 3, 5, 4, 2, 3, 1}
            << QStringList{"same", "a1_5", "a1_5", "a1_1"};
        QTest::newRow("the walk wraps past the last row to row 1")
            << "wwsss" << QStringList{"same", "ab", "long two", "long six"} << qint16(3)
            << QList<qint16>{3, 4, 4} << QStringList{"long two", "a1_1", "same", "long six"};
        QTest::newRow("no other row serves: the answer twice")
            << "ws" << QStringList{"same", "no", "two", "six"} << qint16(4) << QList<qint16>{1}
            << QStringList{"six", "same", "two", "same"};
        // clang-format on
    }

    // The screen's draws: RndInt over 1..last, 1..4 and 1..last.
    void rndIntDrawsFromOne() {
        RndIntSource source;
        for (const double u : {0.0, std::nextafter(1.0, 0.0)}) {
            setUniformSource([u] { return u; });
            const bool top = u > 0.5;
            QCOMPARE(source.offset(9), qint16(top ? 9 : 1));
            QCOMPARE(source.substitute(9), qint16(top ? 9 : 1));
            QCOMPARE(source.answerSlot(), qint16(top ? 4 : 1));
        }
        setUniformSource({});
        QVERIFY(dynamic_cast<RndIntSource*>(&quizDraws()));
    }
};

QTEST_GUILESS_MAIN(DrawerTest)
#include "DrawerTest.moc"
