#pragma once

// A date-time format string compiled once, to format many values.

#include <QChar>
#include <QString>
#include <vector>

#include "platform/rtl/DateTime.h"

// The format letters yy/yyyy (year), m/mm (month, or minutes right after an hour), d/dd (day),
// h/hh (hour, 24-hour clock), n/nn (minutes) and s/ss (seconds), in either case, with "/" and ":" taken
// as the given separators and every other character copied.
class TDateTimePattern {
 public:
  TDateTimePattern() = default;
  TDateTimePattern(const QString& AFormat, QChar ADateSeparator, QChar ATimeSeparator);

  QString Format(const TDateTimeParts& AParts) const;

 private:
  enum class TParte : char { Literal, Year2, Year4, Month, Day, Hour, Minute, Second };
  struct TElemento {
    TParte Parte;
    char Digitos;  // at least so many
    char16_t Caracter;
  };
  std::vector<TElemento> FElementos;
};
