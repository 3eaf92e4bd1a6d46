// The quiz rules that need no screen: chance, weights, the level skip and
// the record of asked offsets.
#include "quiz/QuizRules.h"
#include "quiz/RnGen.h"
#include "quiz/UsedOffsets.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace lexitor;
using namespace lexitor::quiz;

class QuizRulesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setUniformSource({}); }

    // u just below 1 with span 4 is still 4, never 5.
    void rndIntMapsUOntoTheRange() {
        const double belowOne = std::nextafter(1.0, 0.0);
        const std::tuple<double, qint16, qint16, qint16> cases[] = {
            {0.0, 1, 1, 1},        {belowOne, 1, 1, 1},
            {belowOne, 1, 4, 4},   {std::nextafter(1.0f, 0.0f), 1, 4, 4},
            {0.0, 1, 4, 1},        {0.25, 1, 4, 2},
            {0.7499, 1, 4, 3},     {belowOne, 1, 32766, 32766},
            {belowOne, -5, -2, -2}};
        for (const auto& [u, lower, upper, expected] : cases) {
            setUniformSource([u = u] { return u; });
            QCOMPARE(RndInt(lower, upper), expected);
        }
    }

    void rndIntRefusesBadInput() {
        setUniformSource([] { return 1.0; });
        QVERIFY_THROWS_EXCEPTION(std::logic_error, RndInt(1, 4));
        setUniformSource({});
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

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "QuizRulesTest.moc"
