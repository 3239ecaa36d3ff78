#include <gtest/gtest.h>

#include "controls/edits/ValidadoresQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/rtl/FormatSettings.h"

namespace {

TEST(Validadores, IntegersAreDecimalAndOf32Bits) {
  const struct {
    const char* Texto;
    bool Rango;
    bool Valido;
  } casos[] = {
      {"7", true, true},      {"0", true, false},    {"10", true, false},         {"x", false, false},
      {"-5", false, true},    {"+5", false, true},   {"2147483647", false, true}, {"2147483648", false, false},
      {"0x1F", false, false}, {"$1F", false, false}, {" 5", false, false},        {"", false, false},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(EsEnteroValido(QString::fromUtf8(caso.Texto), caso.Rango, 1, 9), caso.Valido) << caso.Texto;
}

TEST(Validadores, RealsUseTheProcessSeparatorAndComparePrecisely) {
  const TFormatSettings anteriores = FormatSettings;
  FormatSettings.DecimalSeparator = QLatin1Char('.');
  FormatSettings.ThousandSeparator = QLatin1Char(',');
  const struct {
    const char* Texto;
    bool Rango;
    bool Valido;
  } casos[] = {
      {"0.5", true, true},        {"1.0000004", true, true}, {"1.00001", true, false},
      {"-0.0000004", true, true}, {"-0.00001", true, false}, {"1,5", false, false},
      {"1,234.5", false, false},  {"2.5E3", false, true},    {"abc", false, false},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(EsFlotanteValido(QString::fromUtf8(caso.Texto), caso.Rango, 0, 1), caso.Valido) << caso.Texto;
  FormatSettings = anteriores;
}

TEST(Validadores, FoliosAreANumberAfterUpToThreeLetters) {
  const struct {
    const char* Texto;
    bool TodasLasLetras;
    const char* Formateado;  // empty: no folio
  } casos[] = {
      {"123456789", false, "123456789"},
      {"1234567890", false, ""},
      {"12", false, "000000012"},
      {"0x1F", false, ""},
      {"A0", false, ""},
      {"A9", false, "A00000009"},
      {"a5", false, "A00000005"},
      {"A", false, ""},
      {"AB", false, ""},
      {"AB0000001", false, "AB0000001"},
      {"ab12", false, "AB0000012"},
      {"ABC", false, ""},
      {"ABC123456", false, "ABC123456"},
      {"abc1", false, "ABC000001"},
      {"ABC0", false, ""},
      {"ABCD1", false, ""},
      {"A00000000", false, ""},
      {"_1", false, "_00000001"},
      {"z12", false, ""},
      {"Z12", false, "Z00000012"},
      {"z12", true, "Z00000012"},
      {"A 12", false, ""},
      {"A-5", false, ""},
      {"", false, ""},
  };
  for (const auto& caso : casos) {
    const QString texto = QString::fromUtf8(caso.Texto);
    EXPECT_EQ(EsFolioValido(texto, caso.TodasLasLetras), *caso.Formateado != 0) << caso.Texto;
    EXPECT_EQ(FormatearFolio(texto, caso.TodasLasLetras), QString::fromUtf8(caso.Formateado)) << caso.Texto;
  }
}

}  // namespace
