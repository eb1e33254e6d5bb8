#pragma once

#include "platform/colour.h"

#include <QString>
#include <cstdint>

// Turning the numbers kept as text in the profile files into numbers.
namespace content {

// The whole text read as a number and rounded to a whole number (ties to the even one);
// blanks around it are allowed. Throws platform::Error 13 when the text is not a number
// (an empty text included) and 6 when the number lies outside [minimum, maximum].
int wholeNumberFromText(const QString& text, int minimum, int maximum);
int intFromText(const QString& text); // 32-bit range
// `value` rounded to a whole number (ties to the even one); throws 6 outside the range.
int roundedWhole(double value, int minimum, int maximum);
std::int16_t int16FromText(const QString& text);

// The number the text starts with, 0 when it starts with none ("12abc" gives 12), rounded
// to a whole number (ties to the even one). Throws 6 outside the 16-bit range.
std::int16_t leadingInt16(const QString& text);

// A colour kept as decimal text (0x00BBGGRR). Throws 13 for a text that is not a number,
// 6 outside the 32-bit range and 380 for a number that is no such colour.
platform::ColourValue colourFromText(const QString& text);
// The decimal text a colour is kept as.
QString colourToText(platform::ColourValue colour);

} // namespace content
