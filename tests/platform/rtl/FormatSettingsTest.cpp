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

TEST(FormatSettings, EdgeDatesAndTimesInEveryFormat) {
  TFormatSettings ajustes;
  ajustes.DateSeparator = QLatin1Char('/');
  ajustes.TimeSeparator = QLatin1Char(':');
  const char* formatos[] = {"dd/mm/yyyy",          "hh:nn:ss",          "dd/mm/yyyy hh:nn:ss", "d/m/yy h:n:s",
                            "yyyy-mm-dd-hh-nn-ss", "y yyy ddd mmm h:mm"};
  const struct {
    TDateTime valor;
    const char* textos[6];
  } casos[] = {
      {0.0,
       {"30/12/1899", "00:00:00", "30/12/1899 00:00:00", "30/12/99 0:0:0", "1899-12-30-00-00-00",
        "99 1899 30 12 0:00"}},  // day zero
      {-693593.0,
       {"01/01/0001", "00:00:00", "01/01/0001 00:00:00", "1/1/01 0:0:0", "0001-01-01-00-00-00",
        "01 0001 01 01 0:00"}},  // the first day of year 1
      {2958465.0,
       {"31/12/9999", "00:00:00", "31/12/9999 00:00:00", "31/12/99 0:0:0", "9999-12-31-00-00-00",
        "99 9999 31 12 0:00"}},
      {2958465.99999998,
       {"31/12/9999", "23:59:59", "31/12/9999 23:59:59", "31/12/99 23:59:59", "9999-12-31-23-59-59",
        "99 9999 31 12 23:59"}},  // the last second of year 9999
      {2958465.999999999,
       {"01/01/10000", "00:00:00", "01/01/10000 00:00:00", "1/1/00 0:0:0", "10000-01-01-00-00-00",
        "00 10000 01 01 0:00"}},  // rounds to the next millisecond, and day
      {60.0,
       {"28/02/1900", "00:00:00", "28/02/1900 00:00:00", "28/2/00 0:0:0", "1900-02-28-00-00-00",
        "00 1900 28 02 0:00"}},  // 1900 has no leap day
      {61.0,
       {"01/03/1900", "00:00:00", "01/03/1900 00:00:00", "1/3/00 0:0:0", "1900-03-01-00-00-00", "00 1900 01 03 0:00"}},
      {36585.0,
       {"29/02/2000", "00:00:00", "29/02/2000 00:00:00", "29/2/00 0:0:0", "2000-02-29-00-00-00",
        "00 2000 29 02 0:00"}},  // leap day
      {36585.5,
       {"29/02/2000", "12:00:00", "29/02/2000 12:00:00", "29/2/00 12:0:0", "2000-02-29-12-00-00",
        "00 2000 29 02 12:00"}},
      {45351.75,
       {"29/02/2024", "18:00:00", "29/02/2024 18:00:00", "29/2/24 18:0:0", "2024-02-29-18-00-00",
        "24 2024 29 02 18:00"}},
      {-1.25,
       {"29/12/1899", "06:00:00", "29/12/1899 06:00:00", "29/12/99 6:0:0", "1899-12-29-06-00-00",
        "99 1899 29 12 6:00"}},  // before day zero the fraction still counts forward
      {-0.5,
       {"30/12/1899", "12:00:00", "30/12/1899 12:00:00", "30/12/99 12:0:0", "1899-12-30-12-00-00",
        "99 1899 30 12 12:00"}},
      {0.99999999999,
       {"31/12/1899", "00:00:00", "31/12/1899 00:00:00", "31/12/99 0:0:0", "1899-12-31-00-00-00",
        "99 1899 31 12 0:00"}},  // rounds up to midnight
      {0.9999999,
       {"30/12/1899", "23:59:59", "30/12/1899 23:59:59", "30/12/99 23:59:59", "1899-12-30-23-59-59",
        "99 1899 30 12 23:59"}},
      {45413.70913194444,
       {"01/05/2024", "17:01:09", "01/05/2024 17:01:09", "1/5/24 17:1:9", "2024-05-01-17-01-09",
        "24 2024 01 05 17:01"}},
      {-109206.0,
       {"31/12/1600", "00:00:00", "31/12/1600 00:00:00", "31/12/00 0:0:0", "1600-12-31-00-00-00",
        "00 1600 31 12 0:00"}},
      {1.0 / 86400000 * 0.5,
       {"30/12/1899", "00:00:00", "30/12/1899 00:00:00", "30/12/99 0:0:0", "1899-12-30-00-00-00",
        "99 1899 30 12 0:00"}},
      {-693593.99999,
       {"01/01/0001", "23:59:59", "01/01/0001 23:59:59", "1/1/01 23:59:59", "0001-01-01-23-59-59",
        "01 0001 01 01 23:59"}},
      {-693594.0,
       {"31/12/00-1", "00:00:00", "31/12/00-1 00:00:00", "31/12/-1 0:0:0", "00-1-12-31-00-00-00",
        "-1 00-1 31 12 0:00"}},  // the year before year 1, as the calendar counts it
      {-109513.0,
       {"28/02/1600", "00:00:00", "28/02/1600 00:00:00", "28/2/00 0:0:0", "1600-02-28-00-00-00", "00 1600 28 02 0:00"}},
      {-109512.0,
       {"29/02/1600", "00:00:00", "29/02/1600 00:00:00", "29/2/00 0:0:0", "1600-02-29-00-00-00",
        "00 1600 29 02 0:00"}},  // leap day of a year divisible by 400
  };
  for (const auto& caso : casos)
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(FormatDateTime(QString::fromUtf8(formatos[i]), caso.valor, ajustes), QString::fromUtf8(caso.textos[i]))
          << caso.valor << " " << formatos[i];
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
