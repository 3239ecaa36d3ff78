#pragma once

// The process-wide regional formats and the formatting of dates and times.

#include <QChar>
#include <QString>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/DateTimePattern.h"

// Regional formats used by every formatting of dates, times and numbers that passes none of its own.
// Format strings use the letters yy/yyyy (year), m/mm (month, or minutes right after an hour),
// d/dd (day), h/hh (hour, 24-hour clock), n/nn (minutes) and s/ss (seconds); "/" and ":" stand for the
// date and time separators, and every other character is copied.
struct TFormatSettings {
  QChar DateSeparator;
  QChar TimeSeparator;
  QString ShortDateFormat;
  QString ShortTimeFormat;
  QChar DecimalSeparator;
  QChar ThousandSeparator;

  // The formats of a locale named as "es-MX", "ES-mx" or "es_MX".
  static TFormatSettings Create(const QString& ALocale);
};

// The process-wide formats; at start they are those of the user's locale.
extern TFormatSettings FormatSettings;

QString FormatDateTime(const QString& AFormat, TDateTime AValue, const TFormatSettings& ASettings = FormatSettings);

// The settings' short date format, short time format, and both with a blank between, compiled.
struct TShortPatterns {
  TDateTimePattern Date;
  TDateTimePattern Time;
  TDateTimePattern DateTime;
};

// The short patterns of the settings, compiled again only when their formats or separators change.
const TShortPatterns& ShortPatterns(const TFormatSettings& ASettings = FormatSettings);
