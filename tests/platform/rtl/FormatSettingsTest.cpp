#include <gtest/gtest.h>

#include "fixtures/ImprimirQt.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

namespace {
TDateTime Valor(int y, int mo, int d, int h, int mi, int s) {
  return DateTimeFromQDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi, s)));
}
}  // namespace

TEST(DateTime, CountsDaysFromDayZeroWithTheTimeAsFraction) {
  EXPECT_DOUBLE_EQ(Valor(1899, 12, 30, 0, 0, 0), 0.0);
  EXPECT_DOUBLE_EQ(Valor(2024, 5, 1, 12, 0, 0), 45413.5);
  EXPECT_DOUBLE_EQ(Valor(1899, 12, 29, 6, 0, 0), -1.25);
  for (const TDateTime v : {Valor(2024, 5, 1, 17, 3, 9), Valor(1899, 12, 29, 6, 0, 0), Valor(2000, 2, 29, 23, 59, 59)})
    EXPECT_DOUBLE_EQ(DateTimeFromQDateTime(QDateTimeFromDateTime(v)), v);
}

TEST(FormatSettings, FormatDateTimeLetters) {
  TFormatSettings ajustes;
  ajustes.DateSeparator = QLatin1Char('.');
  ajustes.TimeSeparator = QLatin1Char('h');
  const TDateTime v = Valor(2024, 5, 1, 17, 3, 9);
  const struct {
    const char* formato;
    const char* texto;
  } casos[] = {
      {"yyyy-mm-dd-hh-nn-ss", "2024-05-01-17-03-09"},
      {"dd/mm/yyyy", "01.05.2024"},
      {"d/m/yy", "1.5.24"},
      {"hh:nn:ss", "17h03h09"},
      {"h:mm", "17h03"},  // minutes right after an hour
      {"HH:MM DD", "17h03 01"},
      {"mm-hh", "05-17"},
      {"[dd]", "[01]"},  // every other letter would be a format letter
  };
  for (const auto& caso : casos)
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(caso.formato), v, ajustes), QString::fromUtf8(caso.texto))
        << caso.formato;
}

TEST(FormatSettings, ALocaleGivesItsSeparatorsAndFormats) {
  const TFormatSettings aleman = TFormatSettings::Create(QStringLiteral("de-DE"));
  EXPECT_EQ(aleman.DateSeparator, QLatin1Char('.'));
  EXPECT_EQ(aleman.DecimalSeparator, QLatin1Char(','));
  EXPECT_EQ(aleman.ThousandSeparator, QLatin1Char('.'));
  EXPECT_EQ(FormatDateTime(aleman.ShortDateFormat, Valor(2024, 5, 1, 17, 3, 9), aleman), QStringLiteral("01.05.24"));
  const TFormatSettings eeuu = TFormatSettings::Create(QStringLiteral("en_US"));
  EXPECT_EQ(FormatDateTime(eeuu.ShortDateFormat, Valor(2024, 5, 1, 17, 3, 9), eeuu), QStringLiteral("5/1/24"));
}
