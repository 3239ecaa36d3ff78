#pragma once

// Dates and times as numbers of days (TDateTime), and their conversions.

#include <QDateTime>
#include <functional>

// A date and time as days since 1899-12-30, the time of day as the fraction, so that dates and times
// can be added as numbers.
using TDateTime = double;

TDateTime DateTimeFromQDateTime(const QDateTime& AValue);
QDateTime QDateTimeFromDateTime(TDateTime AValue);
// The date at midnight, whatever the local time zone does that day.
TDateTime DateTimeFromDate(const QDate& AValue);

// Empty in the program; a test sets it to run the clock itself.
extern std::function<TDateTime()> OnNow;

// The local date and time now.
TDateTime Now();

// A date of the proleptic Gregorian calendar and a time of day on the 24-hour clock. The calendar has
// no year 0: the year before 1 is -1.
struct TDateTimeParts {
  int Year;
  int Month;
  int Day;
  int Hour;
  int Minute;
  int Second;
};

// The date ADays after 1899-12-30 at AMilliseconds after midnight (below one day).
TDateTimeParts DateTimeParts(qint64 ADays, int AMilliseconds);
// The date and time of a TDateTime, to the nearest millisecond.
TDateTimeParts DecodeDateTime(TDateTime AValue);
// Days after 1899-12-30 of a date given as a Julian day.
constexpr qint64 DaysFromJulianDay(qint64 AJulianDay) { return AJulianDay - 2415019; }
