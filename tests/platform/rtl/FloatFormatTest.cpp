#include <gtest/gtest.h>

#include <limits>

#include "fixtures/ImprimirQt.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatFormat.h"

namespace {

// Point for decimals and comma for thousands, as in Mexico, whatever the machine's locale.
TFormatSettings Mexico() {
  TFormatSettings ajustes;
  ajustes.DecimalSeparator = QLatin1Char('.');
  ajustes.ThousandSeparator = QLatin1Char(',');
  return ajustes;
}

struct Caso {
  long double valor;
  int precision;
  int digitos;
  const char* texto;
};

void Comprobar(TFloatFormat AFormato, std::initializer_list<Caso> ACasos, const TFormatSettings& AAjustes = Mexico()) {
  for (const Caso& caso : ACasos)
    EXPECT_EQ(FloatToStrF(caso.valor, AFormato, caso.precision, caso.digitos, AAjustes), QString::fromUtf8(caso.texto))
        << static_cast<double>(caso.valor) << " " << caso.precision << " " << caso.digitos;
}

constexpr long double Infinito = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

}  // namespace

TEST(FloatFormat, GeneralDropsTrailingZerosAndUsesExponentsForVeryLargeAndSmallValues) {
  Comprobar(TFloatFormat::General, {
                                       {0, 18, 0, "0"},
                                       {123, 18, 0, "123"},
                                       {12.5L, 18, 0, "12.5"},
                                       {-12.5L, 18, 0, "-12.5"},
                                       {0.1L, 18, 0, "0.1"},
                                       {999999999999999999.0L, 18, 0, "999999999999999999"},
                                       {1e18L, 18, 0, "1E18"},
                                       {123456789012345678.9L, 18, 0, "123456789012345679"},
                                       {0.00001L, 18, 0, "0.00001"},
                                       {0.0000099L, 18, 0, "9.9E-6"},
                                       {-1.5e-7L, 18, 0, "-1.5E-7"},
                                       {1234.5L, 3, 0, "1.23E3"},
                                       {1e20L, 18, 3, "1E020"},  // the digits are the exponent's least digits
                                       {NaN, 18, 0, "NAN"},
                                       {Infinito, 18, 0, "INF"},
                                       {-Infinito, 18, 0, "-INF"},
                                   });
}

TEST(FloatFormat, FixedRoundsHalfAwayFromZeroToThePrecisionAndTheDigits) {
  Comprobar(TFloatFormat::Fixed, {
                                     {1234.5L, 12, 2, "1234.50"},
                                     {0.125L, 15, 2, "0.13"},  // exactly one half of the last digit
                                     {1.005L, 15, 2, "1.01"},  // the 18-digit text is what is rounded
                                     {-2.5L, 15, 0, "-3"},
                                     {0.5L, 15, 0, "1"},
                                     {0.006L, 15, 2, "0.01"},
                                     {0.004L, 15, 2, "0.00"},
                                     {-0.001L, 15, 2, "0.00"},  // no sign on a zero
                                     {999.999L, 15, 2, "1000.00"},
                                     {1234.5678L, 4, 2, "1235.00"},  // digits past the precision are zeros
                                     {0.0001L, 15, 6, "0.000100"},
                                     {123456, 5, 2, "1.2346E5"},  // more integer digits than the precision
                                     {1e19L, 20, 0, "1E19"},      // the precision is at most 18
                                     {1, 15, 30, "1.000000000000000000"},
                                     {NaN, 15, 2, "NAN"},
                                     {-Infinito, 15, 2, "-INF"},
                                 });
}

TEST(FloatFormat, NumberGroupsTheIntegerDigitsInThrees) {
  Comprobar(TFloatFormat::Number, {
                                      {-1e10L, 12, 0, "-10,000,000,000"},
                                      {1234.5L, 12, 1, "1,234.5"},
                                      {123, 12, 0, "123"},
                                      {123456, 12, 2, "123,456.00"},
                                      {999999.999L, 12, 2, "1,000,000.00"},
                                      {0.5L, 12, 2, "0.50"},
                                  });
  TFormatSettings espana;
  espana.DecimalSeparator = QLatin1Char(',');
  espana.ThousandSeparator = QLatin1Char('.');
  Comprobar(TFloatFormat::Number, {{1234567.5L, 12, 2, "1.234.567,50"}}, espana);
  Comprobar(TFloatFormat::General, {{-1.5e-7L, 18, 0, "-1,5E-7"}}, espana);
}

TEST(FloatFormat, TheProcessWideSeparatorsAreTheDefault) {
  const TFormatSettings anterior = FormatSettings;
  FormatSettings.DecimalSeparator = QLatin1Char(',');
  FormatSettings.ThousandSeparator = QLatin1Char(' ');
  const QString texto = FloatToStrF(1234.5L, TFloatFormat::Number, 12, 2);
  FormatSettings = anterior;
  EXPECT_EQ(texto, QStringLiteral("1 234,50"));
}

TEST(FloatFormat, AMaskOfZerosPadsTheRoundedInteger) {
  const struct {
    int ceros;
    long double valor;
    const char* texto;
  } casos[] = {
      {5, 42, "00042"},   {3, 12345, "12345"}, {5, -42, "-00042"}, {2, 2.5L, "03"},
      {5, 0.4L, "00000"}, {5, -0.4L, "00000"}, {0, 7, "7"},        {18, 123456789012345678.0L, "123456789012345678"},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(FormatFloatZeros(caso.ceros, caso.valor), QString::fromUtf8(caso.texto))
        << caso.ceros << " " << static_cast<double>(caso.valor);
}

TEST(FloatFormat, StrToIntTakesOnlyAWholeDecimalInteger) {
  const struct {
    const char* texto;
    int valor;
  } validos[] = {{"0", 0},
                 {"42", 42},
                 {"-42", -42},
                 {"+7", 7},
                 {"007", 7},
                 {"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1}};
  for (const auto& caso : validos) EXPECT_EQ(StrToInt(QString::fromUtf8(caso.texto)), caso.valor) << caso.texto;
  for (const char* texto :
       {"", "-", "abc", " 1", "1 ", "1\n", "1.0", "1e3", "0x10", "$1F", "2147483648", "-2147483649", "\u0661"})
    EXPECT_THROW(StrToInt(QString::fromUtf8(texto)), EConvertError) << texto;
  try {
    StrToInt(QStringLiteral("abc"));
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'abc' no es un valor entero válido."));
  }
}

TEST(FloatFormat, TryStrToInt64TakesAWholeDecimalIntegerIn64Bits) {
  qint64 valor = 0;
  EXPECT_TRUE(TryStrToInt64(QStringLiteral("9223372036854775807"), valor));
  EXPECT_EQ(valor, std::numeric_limits<qint64>::max());
  EXPECT_TRUE(TryStrToInt64(QStringLiteral("-42"), valor));
  EXPECT_EQ(valor, -42);
  for (const char* texto : {"", "+", "0x1F", "$1F", "9223372036854775808", " 1", "1.0"}) {
    valor = 7;
    EXPECT_FALSE(TryStrToInt64(QString::fromUtf8(texto), valor)) << texto;
    EXPECT_EQ(valor, 7) << texto;
  }
}

TEST(FloatFormat, TryStrToFloatReadsTheSettingsSeparatorAndNoThousands) {
  const struct {
    const char* texto;
    long double valor;
  } validos[] = {{"12.5", 12.5L}, {" -12.5 ", -12.5L}, {"+3", 3},       {"0.", 0},
                 {".25", 0.25L},  {"1E-6", 1e-6L},     {"2.5e3", 2500}, {"123456789012345678", 123456789012345678.0L}};
  for (const auto& caso : validos) {
    long double valor = -1;
    EXPECT_TRUE(TryStrToFloat(QString::fromUtf8(caso.texto), valor, Mexico())) << caso.texto;
    EXPECT_EQ(valor, caso.valor) << caso.texto;
  }
  for (const char* texto :
       {"", ".", "-", "1,5", "1,234.5", "1.2.3", "E5", "1E", "0x10", "INF", "NAN", "1e99999", "12a"}) {
    long double valor = 7;
    EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(texto), valor, Mexico())) << texto;
    EXPECT_EQ(valor, 7) << texto;
  }
  // Another settings' separator is the only one read.
  TFormatSettings coma = Mexico();
  coma.DecimalSeparator = QLatin1Char(',');
  long double valor = 0;
  EXPECT_TRUE(TryStrToFloat(QStringLiteral("1,5"), valor, coma));
  EXPECT_EQ(valor, 1.5L);
  EXPECT_FALSE(TryStrToFloat(QStringLiteral("1.5"), valor, coma));
}
