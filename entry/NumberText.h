#pragma once
// Numbers typed into a text box: which texts count as numbers, and how they
// are read.
//
// A numeric text is, after optional surrounding whitespace: an optional
// sign, then digits with an optional decimal fraction ("12", "1.5", "5.",
// ".5"), then an optional exponent ("e" or "E", optional sign, digits).
// The decimal separator is always ".", whatever the user's locale. Nothing
// else counts: no blank after the sign, no thousands separators, no hex,
// no "inf" or "nan", and an empty or blank text is not numeric.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace lexitor::entry {

bool isNumeric(const QString& text);

// The value of a numeric text as a double, or nullopt when the text is not
// numeric. A value beyond the range of a double reads as +/- infinity; one
// too small to represent reads as zero of its sign.
std::optional<double> numberValue(const QString& text);

// The conversion of a text to a 16-bit signed integer: rounded to the
// nearest whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -0.5 -> 0).
struct Int16Reading {
    enum class Status { Ok, NotNumeric, OutOfRange };
    Status status = Status::NotNumeric;
    qint16 value = 0; // meaningful only when status is Ok

    bool ok() const { return status == Status::Ok; }
};

Int16Reading readInt16(const QString& text);

// The level box of "Add Records": a level is checked against the levels
// there are after rounding as readInt16 does, but a word is stored only
// when the number is exactly a level (0, 1 or 2; "1.0" and "1e0" too).
struct LevelReading {
    enum class Status {
        NotNumeric, // or too large for 16 bits: not a level at all
        TooHigh,    // rounds to `levelCount` or more
        NotALevel,  // passes the rounding check, but is -1, 0.4, 1.5 ...
        Level,
    };
    Status status = Status::NotNumeric;
    int level = -1; // meaningful only when status is Level
};

LevelReading readLevel(const QString& text, int levelCount);

} // namespace lexitor::entry
