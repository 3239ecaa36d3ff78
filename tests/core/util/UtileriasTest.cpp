#include <gtest/gtest.h>

#include <limits>

#include "core/util/Utilerias.h"
#include "fixtures/ImprimirQt.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FormatSettings.h"

namespace {

constexpr long double Infinito = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

// The process-wide separators set for one test and restored afterwards.
class UtileriasFormato : public ::testing::Test {
 protected:
  void Usar(QChar ADecimal, QChar AMiles) {
    FormatSettings.DecimalSeparator = ADecimal;
    FormatSettings.ThousandSeparator = AMiles;
  }
  void SetUp() override { Usar(QLatin1Char('.'), QLatin1Char(',')); }
  void TearDown() override { FormatSettings = FAnteriores; }

 private:
  TFormatSettings FAnteriores = FormatSettings;
};

}  // namespace

TEST(Utilerias, SignoOfPositiveNegativeZeroAndNaN) {
  EXPECT_EQ(Signo(0.001L), 1);
  EXPECT_EQ(Signo(-Infinito), -1);
  EXPECT_EQ(Signo(0), 0);
  EXPECT_EQ(Signo(-0.0L), 0);
  EXPECT_EQ(Signo(NaN), 0);
}

TEST(Utilerias, RedondearPasoRoundsHalfAwayFromZeroWithAThresholdByStep) {
  const struct {
    long double valor;
    long double paso;
    long double resultado;
  } casos[] = {
      {2.4999995L, 1, 3},  // threshold 0.499999 for steps of 0.0001 and more
      {2.49999L, 1, 2},
      {-2.5L, 1, -3},
      {-2.4L, 1, -2},
      {1234.565L, 0.01L, 1234.57L},
      {0.0000049995L, 0.00001L, 0.00001L},  // threshold 0.4999
      {0.0000049989L, 0.00001L, 0},
      {0.00000049905L, 0.000001L, 0.000001L},  // threshold 0.499
      {0.0000004989L, 0.000001L, 0},
      {0, 0.01L, 0},
  };
  for (const auto& caso : casos)
    EXPECT_NEAR(static_cast<double>(RedondearPaso(caso.valor, caso.paso)), static_cast<double>(caso.resultado), 1e-12)
        << static_cast<double>(caso.valor) << " / " << static_cast<double>(caso.paso);
}

TEST(Utilerias, RedondearPasoPassesNaNAndRefusesInfiniteValuesAndAZeroStep) {
  EXPECT_TRUE(std::isnan(RedondearPaso(NaN, 0.01L)));
  EXPECT_THROW(RedondearPaso(Infinito, 0.01L), EInvalidOp);
  EXPECT_THROW(RedondearPaso(-Infinito, 1), EInvalidOp);
  EXPECT_THROW(RedondearPaso(1, 0), EInvalidOp);
  EXPECT_THROW(RedondearPaso(0, 0), EInvalidOp);
  EXPECT_EQ(CompararFlotantes(NaN, 1, 0.000001L), 0);
  EXPECT_THROW(CompararFlotantes(Infinito, 1, 0.000001L), EInvalidOp);
}

TEST(Utilerias, CompararFlotantesAtAPrecision) {
  const struct {
    long double a, b, precision;
    int resultado;
  } casos[] = {
      {1.0000004L, 1, 0.000001L, 0},     {1.000001L, 1, 0.000001L, 1}, {1, 1.000001L, 0.000001L, -1},
      {0.1L + 0.2L, 0.3L, 0.000001L, 0}, {10.004L, 10, 0.01L, 0},      {10.005L, 10, 0.01L, 1},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(CompararFlotantes(caso.a, caso.b, caso.precision), caso.resultado)
        << static_cast<double>(caso.a) << " " << static_cast<double>(caso.b);
}

TEST(Utilerias, ValorMaximoDigitos) {
  EXPECT_EQ(ValorMaximoDigitos(10, 2), 9999999999.99L);
  EXPECT_EQ(ValorMaximoDigitos(12, 0), 999999999999.0L);
  EXPECT_EQ(ValorMaximoDigitos(0, 4), 0.9999L);
  EXPECT_EQ(ValorMaximoDigitos(18, 0), 999999999999999999.0L);
}

TEST(Utilerias, RellenarFijoWritesExactlyTheGivenCharacters) {
  const struct {
    int ultimo;
    const char* texto;
    const char* escrito;
  } casos[] = {
      {5, "SELECT * FROM T", "SELECT###"},
      {5, "UPD", "UPD   ###"},
      {-1, "UPD", "#########"},
      {0, "", " ########"},
  };
  for (const auto& caso : casos) {
    QChar destino[9];
    std::fill(std::begin(destino), std::end(destino), QLatin1Char('#'));
    RellenarFijo(destino, caso.ultimo, QString::fromUtf8(caso.texto));
    EXPECT_EQ(QString(destino, 9), QString::fromUtf8(caso.escrito)) << caso.texto;
  }
}

TEST(Utilerias, TextoDerechaAndRellenarCaracter) {
  EXPECT_EQ(TextoDerecha(QStringLiteral("abc"), 5), QStringLiteral("abc"));
  EXPECT_EQ(TextoDerecha(QStringLiteral("abcdef"), 2), QStringLiteral("ef"));
  EXPECT_EQ(TextoDerecha(QStringLiteral("abc"), 0), QString());
  EXPECT_EQ(TextoDerecha(QStringLiteral("abc"), -1), QString());
  const struct {
    const char* texto;
    char relleno;
    qint16 ancho;
    const char* resultado;
  } casos[] = {
      {"42", '0', -5, "00042"},  {"123456", '0', -3, "456"}, {"ab", '*', 4, "ab**"},
      {"abcdef", '*', 3, "abc"}, {"abc", '*', 0, ""},        {"", ' ', -2, "  "},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(RellenarCaracter(QString::fromUtf8(caso.texto), QLatin1Char(caso.relleno), caso.ancho),
              QString::fromUtf8(caso.resultado))
        << caso.texto << " " << caso.ancho;
}

TEST_F(UtileriasFormato, NumeroConCerosPadsTheGeneralTextWithTheSignInTheWidth) {
  const struct {
    int digitos;
    long double valor;
    const char* resultado;
  } casos[] = {
      {9, 123, "000000123"}, {5, -42, "-0042"},           {3, 12345, "345"},
      {1, -5, "-"},          {6, 12.5L, "0012.5"},        {20, 123456789012345678.0L, "00123456789012345678"},
      {6, 1e18L, "001E18"},  {9, 0.000001L, "000001E-6"}, {5, NaN, "00NAN"},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(NumeroConCeros(caso.digitos, caso.valor), QString::fromUtf8(caso.resultado))
        << caso.digitos << " " << static_cast<double>(caso.valor);
  Usar(QLatin1Char(','), QLatin1Char('.'));
  EXPECT_EQ(NumeroConCeros(6, 12.5L), QStringLiteral("0012,5"));
}

TEST(Utilerias, SoloDigitosTakesAsciiDigitsAndOtherScriptsDecimalDigits) {
  EXPECT_TRUE(SoloDigitos(QString()));
  EXPECT_TRUE(SoloDigitos(QStringLiteral("0123456789")));
  EXPECT_TRUE(SoloDigitos(QStringLiteral(u"\u0660\u0669")));  // Arabic-Indic
  EXPECT_TRUE(SoloDigitos(QStringLiteral(u"\uFF11")));        // full-width one
  for (const char16_t* texto : {u"12a", u"-1", u"1.5", u" 1", u"\u00B2", u"\u00BD", u"\u2460", u"\u0661x"})
    EXPECT_FALSE(SoloDigitos(QString::fromUtf16(texto))) << QString::fromUtf16(texto).toStdString();
}

TEST(Utilerias, SepararTextoGivesEmptyItemsForAdjacentAndTrailingSeparators) {
  const struct {
    const char* texto;
    const char* separador;
    QStringList lista;
  } casos[] = {
      {"a,b,", ",", {"a", "b", ""}},
      {",", ",", {"", ""}},
      {"", ",", {}},
      {"a,,b", ",", {"a", "", "b"}},
      {"abc", ",", {"abc"}},
      {"3.0.10.33601", ".", {"3", "0", "10", "33601"}},
      {"aXYbXYXY", "XY", {"a", "b", "", ""}},
      {"aXyb", "xy", {"aXyb"}},  // exact case
      {"a\\b\\", "\\", {"a", "b", ""}},
      {"ab", "", {"ab", ""}},  // an empty separator is never found
  };
  for (const auto& caso : casos) {
    QStringList lista{QStringLiteral("viejo")};
    SepararTexto(QString::fromUtf8(caso.texto), QString::fromUtf8(caso.separador), lista);
    EXPECT_EQ(lista, caso.lista) << caso.texto << " / " << caso.separador;
  }
}

TEST_F(UtileriasFormato, FormatearNumeroDisplayAndPlainModes) {
  const bool mostrar = true;
  const bool simple = false;
  const struct {
    bool mostrar;
    int ancho, decimales;
    long double valor;
    int minimo;
    const char* letras;
    const char* texto;
  } casos[] = {
      {mostrar, 12, 2, 1234.5L, 0, "N", "1,234.5"},
      {mostrar, 12, 2, 1234, 2, "N", "1,234.00"},
      {mostrar, 12, 2, 1234.567L, 0, "N", "1,234.57"},
      {mostrar, 12, 2, 1234.567L, 0, "F", "1234.57"},
      {mostrar, 12, 2, 1234, 5, "N", "1,234.00"},  // never more decimals than the edit has
      {mostrar, 5, 0, 42, 0, "J", "00042"},
      {mostrar, 5, 0, 0, 0, "JC", "00000"},
      {mostrar, 12, 2, 9999999999.99L, 0, "N", "9,999,999,999.99"},
      {mostrar, 12, 2, 10000000000.0L, 0, "N", "Error"},
      {mostrar, 12, 2, 9999999999.999L, 0, "N", "Error"},  // rounds up past the largest
      {mostrar, 12, 2, -10000000000.0L, 0, "N", "-10,000,000,000"},
      {mostrar, 12, 2, -100000000000000.0L, 0, "N", "Error"},  // too long for the fixed text
      {mostrar, 18, 0, 1234, 0, "N", "1,234"},
      {mostrar, 18, 0, 0, 0, "C", ""},
      {mostrar, 18, 2, 0.004L, 0, "NC", ""},
      {mostrar, 18, 0, 0, 0, "N", "0"},
      {mostrar, 12, 2, NaN, 0, "N", "Error"},
      {mostrar, 12, 2, 1234.5L, 0, "n", "1234.5"},  // no upper-case letter: plain mode
      {mostrar, 12, 2, 1234.5L, 0, "", "1234.5"},
      {simple, 12, 2, 1234, 0, "N", "1234"},
      {simple, 12, 2, 1234.5L, 0, "N", "1234.5"},
      {simple, 12, 0, 1234.5L, 0, "N", "1235"},
      {simple, 12, 0, 123456789012345678.0L, 0, "N", "123456789012345678"},  // precision 18 without decimals
      {simple, 5, 2, 123456.78L, 0, "N", "1.2346E5"},
      {simple, 12, 2, 0, 0, "C", ""},
      {simple, 12, 2, 0, 0, "N", "0"},
      {simple, 12, 2, NaN, 0, "N", ""},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(FormatearNumero(caso.mostrar, caso.ancho, caso.decimales, caso.valor, caso.minimo,
                              QString::fromUtf8(caso.letras)),
              QString::fromUtf8(caso.texto))
        << caso.mostrar << " " << caso.ancho << " " << caso.decimales << " " << static_cast<double>(caso.valor) << " "
        << caso.letras;
}

TEST_F(UtileriasFormato, FormatearNumeroKeepsTheDecimalsWithADecimalComma) {
  Usar(QLatin1Char(','), QLatin1Char('.'));
  EXPECT_EQ(FormatearNumero(true, 12, 2, 1234.5L, 0, QStringLiteral("N")), QStringLiteral("1.234,5"));
  EXPECT_EQ(FormatearNumero(false, 12, 2, 1234.5L, 0, QStringLiteral("N")), QStringLiteral("1234,5"));
  EXPECT_EQ(FormatearNumero(false, 12, 2, 1234, 0, QStringLiteral("N")), QStringLiteral("1234"));
}

TEST(Utilerias, FormatearNumeroRefusesAnInfiniteValue) {
  EXPECT_THROW(FormatearNumero(true, 12, 2, Infinito, 0, QStringLiteral("N")), EInvalidOp);
  EXPECT_THROW(FormatearNumero(false, 12, 2, -Infinito, 0, QStringLiteral("N")), EInvalidOp);
}
