// The quiz rules that need no screen: chance, weights, the level skip and
// the record of asked offsets; drawing questions and their options over
// rows in memory and scripted draws: no repeats, rows that cannot be asked,
// used-up levels, placement and substitutes.
#include "ScriptedDraws.h"
#include "quiz/QuizRules.h"
#include "quiz/RnGen.h"
#include "quiz/UsedOffsets.h"

#include <QTest>

#include <cmath>
#include <set>

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
        QFETCH(QString, levels); // the levels' rows, space-separated
        QFETCH(int, level);
        QFETCH(QString, usedUp);
        QFETCH(QString, asked);
        QFETCH(QString, offsets);
        QFETCH(QString, questions);
        QFETCH(QString, usedUpAfter);
        QFETCH(int, usedSlot);
        Levels rows(levels.split(' '), level);
        QuizState& state = rows.state;
        for (int l = 0; l < store::kLevelCount; ++l)
            state.levelUsedUp[l] = usedUp[l] == 'T';
        for (const QString& cell : asked.split(' ', Qt::SkipEmptyParts))
            state.usedOffsets.record(cell.section(':', 0, 0).toShort(),
                                     cell.section(':', 1).toShort());
        ScriptedDraws draws;
        for (const QString& offset : offsets.split(' '))
            draws.offsets.push_back(offset.toShort());
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
        QTest::addColumn<QString>("levels");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("usedUp");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("offsets");
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("usedUpAfter");
        QTest::addColumn<int>("usedSlot");
        const QString six = "wwwwww wwwwww wwwwww";
        // clang-format off
        QTest::newRow("first question") << six << 1 << "FFF" << "" << "5" << "1:5" << "FFF" << 1;
        QTest::newRow("first row cannot be asked: counts as asked, the next drawn")
            << "ww wxwwww ww" << 1 << "FFF" << "" << "1 1 3" << "1:3" << "FFF" << 2;
        QTest::newRow("first question, nothing to ask anywhere")
            << "wx wx wx" << 1 << "FFF" << "" << "1 1 1 1" << "end" << "TTT" << 1;
        QTest::newRow("a repeat is drawn again")
            << six << 1 << "FFF" << "1:3 1:4" << "3 4 5" << "1:5" << "FFF" << 3;
        QTest::newRow("repeats count per level")
            << six << 1 << "FFF" << "0:3 2:3" << "3" << "1:3" << "FFF" << 3;
        QTest::newRow("rows without word or answer are drawn again")
            << "ww wwxwnw ww" << 1 << "FFF" << "1:1" << "2 4 5" << "1:5" << "FFF" << 2;
        QTest::newRow("skip off a used-up level before drawing")
            << six << 2 << "FFT" << "1:1" << "4" << "1:4" << "FFT" << 2;
        QTest::newRow("two rows a level: used up at the first draw, the offset still asked")
            << "ww ww ww" << 1 << "FFF" << "1:1" << "1 1 1" << "0:1 end" << "TTT" << 2;
        QTest::newRow("the fresh offset of the limit stands at the new level, uncompared")
            << "wwwwww www wwwwww" << 1 << "FFF" << "2:2 1:1" << "1 2" << "2:2" << "FTF" << 3;
        QTest::newRow("the fresh offset of the limit cannot be asked at the new level")
            << "wwwwww www wwxwww" << 1 << "FFF" << "1:1" << "1 2 3" << "2:3" << "FTF" << 2;
        QTest::newRow("the fresh offset of the limit names no row at the new level")
            << "wwww www ww" << 1 << "FFF" << "1:1" << "1 2 1" << "0:1" << "FTT" << 2;
        QTest::newRow("attempts count on across levels")
            << "www www wwww" << 1 << "FFF" << "1:1 1:2" << "1 2 3 1" << "end" << "TTT" << 2;
        // clang-format on
    }

    // Captions of options 0..3 for a question row at level 1: the answer on
    // the slot drawn, wrong choices or substitutes for those missing or
    // shorter than three letters. A substitute never repeats the answer
    // while another row serves; when draws keep missing, the rows after the
    // last one drawn are tried in turn, never row 0.
    void options() {
        QFETCH(QString, level);
        QFETCH(QString, row); // ans|c1|c2|c3, "null" for a missing one
        QFETCH(int, slot);
        QFETCH(QString, substitutes);
        QFETCH(QString, captions);
        Levels rows({"ww", level, "ww"}, 1);
        QuizState& state = rows.state;
        ScriptedDraws draws;
        draws.answerSlots = {static_cast<qint16>(slot)};
        for (const QString& offset : substitutes.split(' '))
            draws.substitutes.push_back(offset.toShort());
        StoredChoices stored;
        for (int i = 0; i < kOptionCount; ++i) {
            const QString choice = row.section('|', i, i);
            stored[i] = choice == "null" ? store::FieldValue() : choice.toStdString();
        }
        QStringList shown;
        for (const std::string& caption : Drawer(state, rows, draws).options(stored))
            shown.append(QString::fromStdString(caption));
        QCOMPARE(shown.join('|'), captions);
        QCOMPARE(state.answerSlot, slot);
        QVERIFY(draws.substitutes.empty());
    }
    void options_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("substitutes");
        QTest::addColumn<QString>("captions");
        // clang-format off
        QTest::newRow("short and missing choices replaced, three letters kept as stored")
            << "wwww" << "ans|  ab | abc |null" << 2 << "2 3" << "a1_2|ans| abc |a1_3";
        // c1: itself, the same answer, then row 5. c2: no answer, itself,
        // the same answer, then the walk from row 3 passes row 4 to row 5.
        QTest::newRow("never the answer again")
            << "wwssnw" << "same|x|y|z" << 1 << "2 3 5 4 2 3 1" << "same|a1_5|a1_5|a1_1";
        QTest::newRow("the walk wraps past the last row to row 1")
            << "wwsss" << "same|ab|long two|long six" << 3 << "3 4 4" << "long two|a1_1|same|long six";
        QTest::newRow("no other row serves: the answer twice")
            << "ws" << "same|no|two|six" << 4 << "1" << "six|same|two|same";
        // clang-format on
    }

    // u just below 1 with span 4 is still 4, never 5; the screen draws
    // through RndInt over 1..last, 1..4 and 1..last.
    void rndInt() {
        const double belowOne = std::nextafter(1.0, 0.0);
        // clang-format off
        const std::tuple<double, qint16, qint16, qint16> cases[] = {
            {0.0, 1, 1, 1}, {belowOne, 1, 1, 1}, {belowOne, 1, 4, 4}, {0.0, 1, 4, 1}, {0.25, 1, 4, 2},
            {std::nextafter(1.0f, 0.0f), 1, 4, 4}, {0.7499, 1, 4, 3}, {belowOne, 1, 32766, 32766},
            {belowOne, -5, -2, -2}};
        // clang-format on
        for (const auto& [u, lower, upper, expected] : cases)
            QCOMPARE(rndIntOf(u, lower, upper), expected);
        for (const double u : {0.0, belowOne}) {
            RndIntSource source([u] { return u; });
            const bool top = u > 0.5;
            QCOMPARE(source.offset(9), qint16(top ? 9 : 1));
            QCOMPARE(source.substitute(9), qint16(top ? 9 : 1));
            QCOMPARE(source.answerSlot(), qint16(top ? 4 : 1));
        }
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rndIntOf(1.0, 1, 4));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, RndInt(4, 1));
        // A span beyond 16 bits is an overflow.
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, RndInt(-32768, 32767));
    }

    // Back-to-back draws of the real generator are independent: a coarse
    // clock must not make them equal.
    void generatorDrawsStayApart() {
        std::set<double> seen;
        for (int i = 0; i < 1000; ++i) {
            const double u = nextUniform();
            QVERIFY(u >= 0.0 && u < 1.0);
            seen.insert(u);
        }
        QVERIFY(seen.size() > 990);
        std::set<qint16> values;
        for (int i = 0; i < 400; ++i)
            values.insert(RndInt(1, 4));
        QCOMPARE(values, (std::set<qint16>{1, 2, 3, 4}));
    }

    void levelPointsAreTheLevelWeight() {
        QCOMPARE(AddLevelPoints(0, 0), 1);
        QCOMPARE(AddLevelPoints(1, 10), 12);
        QCOMPARE(AddLevelPoints(2, 10), 13);
        // Past the 16-bit range the count goes on.
        QCOMPARE(AddLevelPoints(2, 32766), 32769);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 AddLevelPoints(2, std::numeric_limits<int>::max() - 1));
    }

    void levelSkipEveryPath() {
        using U = std::array<bool, store::kLevelCount>;
        using R = std::optional<qint16>;
        constexpr bool T = true, F = false;
        const R none;
        // clang-format off
        const std::tuple<qint16, U, R> cases[] = {
            // Nothing used up at the current level: no move.
            {1, {T, F, T}, 1}, {0, {F, T, T}, 0},
            // Up one, up two, up two then back down.
            {0, {T, F, F}, 1}, {0, {T, F, T}, 1}, {0, {T, T, F}, 2}, {1, {F, T, F}, 2},
            // From 2 down to 1, or to 0.
            {2, {F, F, T}, 1}, {2, {F, T, T}, 0}, {1, {F, T, T}, 0},
            // Everything used up.
            {0, {T, T, T}, none}, {1, {T, T, T}, none}, {2, {T, T, T}, none}};
        // clang-format on
        for (const auto& [level, used, to] : cases)
            QCOMPARE(skipUsedUp(level, used), to);
    }

    // Cells 0..197 are written in turn by all levels together, the counter
    // wrapping from 198 to 1; only cells 0..99 of a level are compared.
    void usedOffsetsCells() {
        QCOMPARE(nextUsedSlot(197), qint16(198));
        QCOMPARE(nextUsedSlot(198), qint16(1));
        UsedOffsets used;
        used.recordFirst(1, 7);
        QCOMPARE(used.usedSlot(), qint16(1));
        QVERIFY(used.contains(1, 7) && !used.contains(0, 7) && !used.contains(1, 8));
        for (int cell = 1; cell < 198; ++cell)
            used.record(2, static_cast<qint16>(1000 + cell));
        QCOMPARE(used.usedSlot(), qint16(198));
        QVERIFY(used.contains(2, 1099));
        QVERIFY(!used.contains(2, 1100));
        QCOMPARE(used.cell(2, 197), qint16(1197));
        QCOMPARE(used.cell(2, 198), qint16(0));
        used.record(0, 9); // wraps: cell 0 again, now for level 0
        QCOMPARE(used.usedSlot(), qint16(1));
        QCOMPARE(used.cell(0, 0), qint16(9));
        QCOMPARE(used.cell(1, 0), qint16(7));
    }
};

QTEST_GUILESS_MAIN(DrawerTest)
#include "DrawerTest.moc"
