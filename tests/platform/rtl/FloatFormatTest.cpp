#include <gtest/gtest.h>

#include <cfloat>
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

TEST(FloatFormat, EdgeValuesInEveryFormatInUse) {
  // General with 15 and 18 digits, Fixed with 15 and 2 and with 18 and 6, Number with 12 and 2 and with 18 and 0.
  const struct {
    long double valor;
    const char* textos[6];
  } casos[] = {
      {0.0, {"0", "0", "0.00", "0.000000", "0.00", "0"}},
      {-0.0, {"0", "0", "0.00", "0.000000", "0.00", "0"}},
      {1.0, {"1", "1", "1.00", "1.000000", "1.00", "1"}},
      {-1.0, {"-1", "-1", "-1.00", "-1.000000", "-1.00", "-1"}},
      {0.1, {"0.1", "0.100000000000000006", "0.10", "0.100000", "0.10", "0"}},
      {0.15, {"0.15", "0.149999999999999994", "0.15", "0.150000", "0.15", "0"}},
      {0.5, {"0.5", "0.5", "0.50", "0.500000", "0.50", "1"}},
      {1.5, {"1.5", "1.5", "1.50", "1.500000", "1.50", "2"}},
      {2.5, {"2.5", "2.5", "2.50", "2.500000", "2.50", "3"}},
      {-2.5, {"-2.5", "-2.5", "-2.50", "-2.500000", "-2.50", "-3"}},
      {0.125, {"0.125", "0.125", "0.13", "0.125000", "0.13", "0"}},
      {1.005, {"1.005", "1.00499999999999989", "1.00", "1.005000", "1.00", "1"}},
      {1.015, {"1.015", "1.0149999999999999", "1.01", "1.015000", "1.01", "1"}},
      {2.675, {"2.675", "2.67499999999999982", "2.67", "2.675000", "2.67", "3"}},
      {0.1 + 0.2, {"0.3", "0.300000000000000044", "0.30", "0.300000", "0.30", "0"}},
      {1.0 / 3, {"0.333333333333333", "0.333333333333333315", "0.33", "0.333333", "0.33", "0"}},
      {-2.0 / 3, {"-0.666666666666667", "-0.66666666666666663", "-0.67", "-0.666667", "-0.67", "-1"}},
      {123456.789, {"123456.789", "123456.789000000004", "123456.79", "123456.789000", "123,456.79", "123,457"}},
      {999999999999999.9,
       {"1E15", "999999999999999.875", "1E15", "999999999999999.875000", "1E15", "1,000,000,000,000,000"}},
      {9007199254740993.0,
       {"9.00719925474099E15", "9007199254740992", "9.00719925474099E15", "9007199254740992.000000", "9.00719925474E15",
        "9,007,199,254,740,992"}},
      {1e15, {"1E15", "1000000000000000", "1E15", "1000000000000000.000000", "1E15", "1,000,000,000,000,000"}},
      {1e16, {"1E16", "10000000000000000", "1E16", "10000000000000000.000000", "1E16", "10,000,000,000,000,000"}},
      {123456789012345678.0,
       {"1.23456789012346E17", "123456789012345680", "1.23456789012346E17", "123456789012345680.000000",
        "1.23456789012E17", "123,456,789,012,345,680"}},
      {1e18, {"1E18", "1E18", "1E18", "1E18", "1E18", "1E18"}},
      {1e19, {"1E19", "1E19", "1E19", "1E19", "1E19", "1E19"}},
      {1e22, {"1E22", "1E22", "1E22", "1E22", "1E22", "1E22"}},
      {1e23, {"1E23", "9.99999999999999916E22", "1E23", "9.99999999999999916E22", "1E23", "9.99999999999999916E22"}},
      {1e-5, {"0.00001", "0.0000100000000000000008", "0.00", "0.000010", "0.00", "0"}},
      {9.9e-6, {"9.9E-6", "9.90000000000000008E-6", "0.00", "0.000010", "0.00", "0"}},
      {-1.5e-7, {"-1.5E-7", "-1.49999999999999993E-7", "0.00", "0.000000", "0.00", "0"}},
      {0.00001234, {"0.00001234", "0.0000123400000000000004", "0.00", "0.000012", "0.00", "0"}},
      {DBL_MAX,
       {"1.79769313486232E308", "1.79769313486231571E308", "1.79769313486232E308", "1.79769313486231571E308",
        "1.79769313486E308", "1.79769313486231571E308"}},
      {-DBL_MAX,
       {"-1.79769313486232E308", "-1.79769313486231571E308", "-1.79769313486232E308", "-1.79769313486231571E308",
        "-1.79769313486E308", "-1.79769313486231571E308"}},
      {DBL_MIN, {"2.2250738585072E-308", "2.22507385850720138E-308", "0.00", "0.000000", "0.00", "0"}},
      {5e-324, {"4.94065645841247E-324", "4.94065645841246544E-324", "0.00", "0.000000", "0.00", "0"}},
      {0.045, {"0.045", "0.0449999999999999983", "0.04", "0.045000", "0.04", "0"}},
      {1.45, {"1.45", "1.44999999999999996", "1.45", "1.450000", "1.45", "1"}},
      {4.35, {"4.35", "4.34999999999999964", "4.35", "4.350000", "4.35", "4"}},
      {5.015, {"5.015", "5.01499999999999968", "5.01", "5.015000", "5.01", "5"}},
      {8.345, {"8.345", "8.34500000000000064", "8.35", "8.345000", "8.35", "8"}},
      {999.9995, {"999.9995", "999.999500000000012", "1000.00", "999.999500", "1,000.00", "1,000"}},
      {0.9999999999999999, {"1", "0.999999999999999889", "1.00", "1.000000", "1.00", "1"}},
      {99999999999999.99,
       {"100000000000000", "99999999999999.9844", "100000000000000.00", "99999999999999.984400", "1E14",
        "100,000,000,000,000"}},
      {12345678.125, {"12345678.125", "12345678.125", "12345678.13", "12345678.125000", "12,345,678.13", "12,345,678"}},
      {0.005, {"0.005", "0.0050000000000000001", "0.01", "0.005000", "0.01", "0"}},
      {0.0049999999999999999, {"0.005", "0.0050000000000000001", "0.01", "0.005000", "0.01", "0"}},
      {1234567.5, {"1234567.5", "1234567.5", "1234567.50", "1234567.500000", "1,234,567.50", "1,234,568"}},
      {0.1L, {"0.1", "0.1", "0.10", "0.100000", "0.10", "0"}},
      {1.005L, {"1.005", "1.005", "1.01", "1.005000", "1.01", "1"}},
      {123456789012345678.9L,
       {"1.23456789012346E17", "123456789012345679", "1.23456789012346E17", "123456789012345679.000000",
        "1.23456789012E17", "123,456,789,012,345,679"}},
  };
  const struct {
    TFloatFormat formato;
    int precision, digitos;
  } formatos[] = {{TFloatFormat::General, 15, 0}, {TFloatFormat::General, 18, 0}, {TFloatFormat::Fixed, 15, 2},
                  {TFloatFormat::Fixed, 18, 6},   {TFloatFormat::Number, 12, 2},  {TFloatFormat::Number, 18, 0}};
  for (const auto& caso : casos)
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(FloatToStrF(caso.valor, formatos[i].formato, formatos[i].precision, formatos[i].digitos, Mexico()),
                QString::fromUtf8(caso.textos[i]))
          << static_cast<double>(caso.valor) << " format " << i;
}

TEST(FloatFormat, AScaledIntegerShowsEveryDigitAsTheGeneralFormat) {
  const struct {
    qint64 entero;
    int escala;
    const char* texto;
  } casos[] = {
      {0, 2, "0"},
      {100, 2, "1"},
      {1250, 2, "12.5"},
      {-5, 1, "-0.5"},
      {1, 5, "0.00001"},
      {1, 6, "1E-6"},
      {-1, 18, "-1E-18"},
      {std::numeric_limits<qint64>::max(), 2, "92233720368547758.07"},
      {std::numeric_limits<qint64>::min(), 4, "-922337203685477.5808"},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(ScaledToStr(caso.entero, caso.escala, Mexico()), QString::fromUtf8(caso.texto)) << caso.entero;
  TFormatSettings coma = Mexico();
  coma.DecimalSeparator = QLatin1Char(',');
  EXPECT_EQ(ScaledToStr(12345, 2, coma), QStringLiteral("123,45"));
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
