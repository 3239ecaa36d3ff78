#pragma once

// Conversions of variant values between types.

#include <QVariant>

#include "platform/rtl/DateTime.h"

// Reading a field's or a parameter's value as another type. NULL reads as 0; a value that does not
// convert raises EConvertError.
qint64 VarToInt64(const QVariant& AValue);
double VarToFloat(const QVariant& AValue);
// Dates, times and date-times as TDateTime; a number as days.
TDateTime VarToDateTime(const QVariant& AValue);
