// Which texts count as numbers, their reading as a double and their
// rounding to a 16-bit integer.
#include "entry/NumberText.h"

#include <QTest>

#include <cmath>
#include <limits>

using lexitor::entry::Int16Reading;
using lexitor::entry::isNumeric;
using lexitor::entry::LevelReading;
using lexitor::entry::numberValue;
using lexitor::entry::readInt16;
using lexitor::entry::readLevel;
using Status = Int16Reading::Status;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void whichTextsAreNumbers() {
        for (const char* text :
             {"0", "1", "+2", "-1", "007", "1.5", "-0.5", ".5", "5.", "+.5", " 1 ", "\t2\t", "1e3",
              "1E+3", "2.5e-1", "-.5E2", "0e0", "1e99999999999999999999"})
            QVERIFY2(isNumeric(QString::fromLatin1(text)), text);
        QVERIFY(isNumeric(QString(400, QLatin1Char('9'))));
        QVERIFY(isNumeric(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + "1"));

        for (const char* text :
             {"",    " ",        "\t",  "a",     "1a",  "a1",   "one",   "1 2", "- 1",
              "+-1", "--1",      ".",   "-",     "+.",  "1..2", "1.2.3", "1,5", "1,000",
              "e1",  "1e",       "1e+", "1e1.5", ".e1", "0x10", "&H10",  "inf", "-inf",
              "nan", "Infinity", "1-",  "1+",    "$1",  "1%"})
            QVERIFY2(!isNumeric(QString::fromLatin1(text)), text);
        // Digits of other scripts and full-width digits are not our digits.
        QVERIFY(!isNumeric(QStringLiteral("\u0661")));
        QVERIFY(!isNumeric(QStringLiteral("\uFF11")));
        QVERIFY(!numberValue(QStringLiteral("1x")).has_value());
        QCOMPARE(readInt16(QStringLiteral("abc")).status, Status::NotNumeric);
        QCOMPARE(readInt16(QString()).status, Status::NotNumeric);
    }

    void readingAsDouble() {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        // clang-format off
        const std::pair<QString, double> cases[] = {
            {" 1 ", 1.0}, {"-2.25", -2.25}, {".5", 0.5}, {"1.5e2", 150.0}, {"250E-2", 2.5},
            {"0.1", 0.1}, {"000000000000000000000000002", 2.0}, {"2.000000000000000000000000", 2.0},
            {"1e308", 1e308},
            {"123456789012345678901234567890", 123456789012345678901234567890.0},
            {"1e309", kInfinity}, {"-1e99999999999999999999", -kInfinity},
            {QString(400, QLatin1Char('9')), kInfinity}, {"1e-400", 0.0}, {"-0", 0.0}};
        // clang-format on
        for (const auto& [text, expected] : cases)
            QCOMPARE(*numberValue(text), expected);
        QVERIFY(std::signbit(*numberValue(QStringLiteral("-0"))));
        QVERIFY(std::signbit(*numberValue(QStringLiteral("-1e-99999"))));
    }

    void roundingToInt16HalvesToEvenWithinRange() {
        // clang-format off
        const std::pair<const char*, qint16> cases[] = {
            {"0", 0}, {"1", 1}, {"-1", -1}, {"+2", 2}, {"0.4", 0}, {"0.5", 0}, {"0.6", 1},
            {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"-0.5", 0}, {"-1.5", -2}, {"-2.5", -2},
            {"2.49", 2}, {"2.51", 3}, {" 7 ", 7}, {"2.5e0", 2}, {"25e-1", 2}, {"1e4", 10000},
            {"0.25e1", 2}, {".5", 0}, {"5.", 5}, {"32767", 32767}, {"-32768", -32768},
            {"32767.4", 32767}, {"-32768.5", -32768}, {"0.0000001", 0}, {"1e-99999", 0},
            // Decided on the digits, beyond what a double can tell apart.
            {"2.5000000000000000000001", 3}, {"1.4999999999999999999999", 1},
            {"0000000000000000000000000000001", 1}};
        // clang-format on
        for (const auto& [text, expected] : cases) {
            const Int16Reading reading = readInt16(QString::fromLatin1(text));
            QVERIFY2(reading.ok(), text);
            QVERIFY2(reading.value == expected, text);
        }
        // Too large for 16 bits is reported, not thrown.
        for (const char* text : {"32768", "-32769", "32767.5", "-32768.6", "100000", "1e5", "3.3e4",
                                 "1e99999999999999999999", "-1e400"})
            QVERIFY2(readInt16(QString::fromLatin1(text)).status == Status::OutOfRange, text);
        QCOMPARE(readInt16(QString(5000, QLatin1Char('9'))).status, Status::OutOfRange);
        QCOMPARE(readInt16(QStringLiteral("-") + QString(5000, QLatin1Char('1'))).status,
                 Status::OutOfRange);
    }

    // The level box is checked rounded and stored exact: 2.5 rounds to 2
    // yet is no level, 2.6 rounds past the levels.
    void levelBoxRoundedForTheCheckExactForTheLevel() {
        using S = LevelReading::Status;
        // clang-format off
        const std::tuple<const char*, S, int> cases[] = {
            {"0", S::Level, 0}, {" 2 ", S::Level, 2}, {"1.0", S::Level, 1}, {"1e0", S::Level, 1},
            {"-0", S::Level, 0}, {"2.5", S::NotALevel, -1}, {"0.4", S::NotALevel, -1},
            {"-1", S::NotALevel, -1}, {"2.6", S::TooHigh, -1}, {"3", S::TooHigh, -1},
            {"32768", S::NotNumeric, -1}, {"x", S::NotNumeric, -1}, {"", S::NotNumeric, -1}};
        // clang-format on
        for (const auto& [text, status, level] : cases) {
            const LevelReading reading = readLevel(QString::fromLatin1(text), 3);
            QVERIFY2(reading.status == status && reading.level == level, text);
        }
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "NumberTextTest.moc"
