#include <gtest/gtest.h>

#include "core/engine/FormatoRegional.h"
#include "fixtures/ImprimirQt.h"
#include "platform/rtl/FormatSettings.h"

TEST(FormatoRegional, DayFirstDatesAnd24HourTimesWhateverTheUsersLocale) {
  for (const char* usuario : {"en_US", "de_DE", "ja_JP"}) {
    FormatSettings = TFormatSettings::Create(QString::fromLatin1(usuario));
    ConfigurarFormatoRegional(QStringLiteral("ES-mx"), QLatin1Char('/'), QLatin1Char(':'), QStringLiteral("dd/mm/yyyy"),
                              QStringLiteral("hh:nn:ss"));
    const TDateTime tarde = DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 1), QTime(17, 3, 9)));
    EXPECT_EQ(FormatearFechaHora(FormatSettings.ShortDateFormat, tarde), QStringLiteral("01/05/2024")) << usuario;
    EXPECT_EQ(FormatearFechaHora(FormatSettings.ShortTimeFormat, tarde), QStringLiteral("17:03:09")) << usuario;
    EXPECT_EQ(FormatearFechaHora(QStringLiteral("yyyy-mm-dd-hh-nn-ss"), tarde), QStringLiteral("2024-05-01-17-03-09"));
    // The numbers follow Mexican Spanish as well.
    EXPECT_EQ(FormatSettings.DecimalSeparator, QLatin1Char('.')) << usuario;
    EXPECT_EQ(FormatSettings.ThousandSeparator, QLatin1Char(',')) << usuario;
  }
}

TEST(FormatoRegional, TheLocaleIsMexicanSpanishNotTheCLocale) {
  // The separators that the tool sets itself are those of the C locale too: what tells the locales apart is
  // what the locale gives on its own.
  const TFormatSettings mexico = TFormatSettings::Create(QStringLiteral("ES-mx"));
  const TFormatSettings c = TFormatSettings::Create(QStringLiteral("C"));
  EXPECT_EQ(mexico.ShortDateFormat, QStringLiteral("dd/mm/yy"));
  EXPECT_EQ(mexico.ShortTimeFormat, QStringLiteral("hh:nn"));
  EXPECT_NE(c.ShortDateFormat, mexico.ShortDateFormat);
  EXPECT_NE(c.ShortTimeFormat, mexico.ShortTimeFormat);
  for (const char* nombre : {"es-MX", "es_MX", "ES-mx"}) {
    const TFormatSettings mismo = TFormatSettings::Create(QString::fromLatin1(nombre));
    EXPECT_EQ(mismo.ShortDateFormat, mexico.ShortDateFormat) << nombre;
    EXPECT_EQ(mismo.ShortTimeFormat, mexico.ShortTimeFormat) << nombre;
  }
}
