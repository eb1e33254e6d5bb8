#include "number_text.h"

#include "platform/error.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace content {
namespace {

using platform::Error;
namespace ErrorNumber = platform::ErrorNumber;

// Nearest whole number, ties to the even one (2.5 gives 2, 3.5 gives 4).
double roundedHalfEven(double value) {
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(nearest, 2.0) != 0.0)
        return nearest - std::copysign(1.0, value);
    return nearest;
}

const QString kNumber = QStringLiteral(R"([+-]?(?:\d+\.?\d*|\.\d+))");

} // namespace

int roundedWhole(double value, int minimum, int maximum) {
    const double rounded = roundedHalfEven(value);
    if (rounded < minimum || rounded > maximum)
        throw Error::fromNumber(ErrorNumber::Overflow);
    return int(rounded);
}

int wholeNumberFromText(const QString& text, int minimum, int maximum) {
    static const QRegularExpression whole(QStringLiteral(R"(^\s*)") + kNumber +
                                          QStringLiteral(R"(\s*$)"));
    if (!whole.match(text).hasMatch())
        throw Error::fromNumber(ErrorNumber::TypeMismatch);
    return roundedWhole(text.trimmed().toDouble(), minimum, maximum);
}

int intFromText(const QString& text) {
    return wholeNumberFromText(text, std::numeric_limits<int>::min(),
                               std::numeric_limits<int>::max());
}

std::int16_t int16FromText(const QString& text) {
    return std::int16_t(wholeNumberFromText(text, std::numeric_limits<std::int16_t>::min(),
                                            std::numeric_limits<std::int16_t>::max()));
}

std::int16_t leadingInt16(const QString& text) {
    static const QRegularExpression leading(QStringLiteral(R"(^\s*()") + kNumber +
                                            QStringLiteral(")"));
    const QRegularExpressionMatch match = leading.match(text);
    const double value = match.hasMatch() ? match.captured(1).toDouble() : 0.0;
    return std::int16_t(roundedWhole(value, std::numeric_limits<std::int16_t>::min(),
                                     std::numeric_limits<std::int16_t>::max()));
}

platform::ColourValue colourFromText(const QString& text) {
    const int value = intFromText(text);
    if (value < 0 || value > int(platform::kWhite))
        throw Error::fromNumber(ErrorNumber::InvalidPropertyValue);
    return platform::ColourValue(value);
}

QString colourToText(platform::ColourValue colour) {
    // Kept as a signed number: a value with the top bit set reads back as the same bits.
    return QString::number(std::int32_t(colour));
}

} // namespace content
