#pragma once

// Dates and times as numbers of days (TDateTime), and their conversions.

#include <QDateTime>
#include <functional>

// A date and time as days since 1899-12-30, the time of day as the fraction, so that dates and times
// can be added as numbers.
using TDateTime = double;

TDateTime DateTimeFromQDateTime(const QDateTime& AValue);
QDateTime QDateTimeFromDateTime(TDateTime AValue);

// Empty in the program; a test sets it to run the clock itself.
extern std::function<TDateTime()> OnNow;

// The local date and time now.
TDateTime Now();
