#pragma once

// Numbers as text: the run-time library's float formatting and parsing.

#include <QString>

#include "platform/rtl/FormatSettings.h"

// How FloatToStrF writes a number.
enum class TFloatFormat {
  // At most the precision's significant digits, trailing zeros dropped. Exponent notation (1.5E-7, 1E18)
  // when the integer part has more digits than the precision or the value is below 0.00001; the digits
  // are then the least number of exponent digits.
  General,
  // The digits are the number of digits after the decimal separator, and the value is first rounded to
  // the precision's significant digits. When the integer part has more digits than the precision, the
  // text is in exponent notation instead.
  Fixed,
  // Fixed, with the thousands separator between every group of three integer digits.
  Number,
};

// The value as text. The precision is taken between 1 and 18 and the digits between 0 and 18. Rounding
// is half away from zero, on the value's 18 leading decimal digits. A NaN gives "NAN", the infinities
// "INF" and "-INF"; a value that rounds to zero has no sign.
QString FloatToStrF(long double AValue, TFloatFormat AFormat, int APrecision, int ADigits,
                    const TFormatSettings& ASettings = FormatSettings);

// The exact value AUnscaled x 10^-AScale (a scaled integer, AScale above 0) as the General format
// writes it, with every significant digit: 1250 with scale 2 gives "12.5", 1 with scale 6 "1E-6".
QString ScaledToStr(qint64 AUnscaled, int AScale, const TFormatSettings& ASettings = FormatSettings);

// The value rounded to a whole number and padded on the left with zeros to at least AZeros digits, as a
// mask of AZeros zeros writes it: 42 with 5 zeros gives "00042", -42 gives "-00042".
QString FormatFloatZeros(int AZeros, long double AValue);

// The text as an integer: an optional sign and decimal digits, nothing else, within the 32-bit range.
// Raises EConvertError for any other text.
int StrToInt(const QString& AText);
// The same within the 64-bit range; false, with AValue untouched, for any other text.
bool TryStrToInt64(const QString& AText, qint64& AValue);

// The text as a real: blanks around it, an optional sign, digits with at most one decimal separator of
// the settings (digits on at least one side of it), an optional exponent ("E" or "e", an optional sign,
// digits). No thousands separators. False, with AValue untouched, for any other text and for a value
// beyond the range of a long double.
bool TryStrToFloat(const QString& AText, long double& AValue, const TFormatSettings& ASettings = FormatSettings);
