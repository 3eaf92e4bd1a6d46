#include "entry/NumberText.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace lexitor::entry {

namespace {

// A numeric text taken apart: value = sign × 0.digits × 10^exponent, with
// `digits` free of leading and trailing zeros (empty for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

// Keeps absurd exponents ("1e99999999999999999999") from overflowing while
// staying far beyond anything a double can hold.
constexpr long long kExponentCap = 1'000'000'000;

bool isAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::optional<Decimal> parse(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype size = t.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) -> char16_t { return k < size ? t[k].unicode() : u'\0'; };

    Decimal number;
    if (at(i) == u'+' || at(i) == u'-')
        number.negative = at(i++) == u'-';
    std::string all;
    long long integerDigits = 0;
    for (; isAsciiDigit(at(i)); ++i, ++integerDigits)
        all += static_cast<char>(at(i));
    if (at(i) == u'.') {
        for (++i; isAsciiDigit(at(i)); ++i)
            all += static_cast<char>(at(i));
    }
    if (all.empty())
        return std::nullopt;

    long long exponent = 0;
    if (at(i) == u'e' || at(i) == u'E') {
        ++i;
        bool negativeExponent = false;
        if (at(i) == u'+' || at(i) == u'-')
            negativeExponent = at(i++) == u'-';
        if (!isAsciiDigit(at(i)))
            return std::nullopt;
        for (; isAsciiDigit(at(i)); ++i)
            exponent = std::min(exponent * 10 + (at(i) - u'0'), kExponentCap);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != size)
        return std::nullopt;

    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return number; // zero, with its sign
    const auto last = all.find_last_not_of('0');
    number.digits = all.substr(first, last - first + 1);
    number.exponent = integerDigits - static_cast<long long>(first) + exponent;
    return number;
}

double withSign(bool negative, double magnitude) {
    return negative ? -magnitude : magnitude;
}

} // namespace

bool isNumeric(const QString& text) {
    return parse(text).has_value();
}

std::optional<double> numberValue(const QString& text) {
    const auto number = parse(text);
    if (!number)
        return std::nullopt;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    // Far outside the range of a double either way; spare the conversion.
    if (number->digits.empty() || number->exponent < -400)
        return withSign(number->negative, 0.0);
    if (number->exponent > 400)
        return withSign(number->negative, kInfinity);

    const std::string normal = "0." + number->digits + "e" + std::to_string(number->exponent);
    double magnitude = 0.0;
    const auto [end, error] =
        std::from_chars(normal.data(), normal.data() + normal.size(), magnitude);
    if (error == std::errc::result_out_of_range)
        magnitude = number->exponent > 0 ? kInfinity : 0.0;
    (void)end;
    return withSign(number->negative, magnitude);
}

Int16Reading readInt16(const QString& text) {
    const auto number = parse(text);
    if (!number)
        return {};
    // Rounded on the decimal digits themselves, so a text just above a half
    // ("2.5000000000000000001") rounds up although no double can tell.
    constexpr long long kMaxIntegerDigits = 5; // 32768 has five
    if (number->exponent > kMaxIntegerDigits)
        return {Int16Reading::Status::OutOfRange};
    // Below 0.1 in size: rounds to zero.
    if (number->exponent < 0)
        return {Int16Reading::Status::Ok, 0};
    const auto integerDigits = static_cast<std::size_t>(number->exponent);
    long long whole = 0;
    for (std::size_t k = 0; k < integerDigits; ++k)
        whole = whole * 10 + (k < number->digits.size() ? number->digits[k] - '0' : 0);

    // The fraction's digits have no trailing zeros, so "5" alone is a half.
    const std::string fraction =
        integerDigits < number->digits.size() ? number->digits.substr(integerDigits) : "";
    if (!fraction.empty() && (fraction > "5" || (fraction == "5" && whole % 2 == 1)))
        ++whole;

    const long long value = number->negative ? -whole : whole;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return {Int16Reading::Status::OutOfRange};
    return {Int16Reading::Status::Ok, static_cast<qint16>(value)};
}

LevelReading readLevel(const QString& text, int levelCount) {
    const Int16Reading rounded = readInt16(text);
    if (!rounded.ok())
        return {};
    if (rounded.value >= levelCount)
        return {LevelReading::Status::TooHigh};
    const double exact = numberValue(text).value_or(-1.0);
    for (int level = 0; level < levelCount; ++level) {
        if (exact == level)
            return {LevelReading::Status::Level, level};
    }
    return {LevelReading::Status::NotALevel};
}

} // namespace lexitor::entry
