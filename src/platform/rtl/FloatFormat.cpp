#include "platform/rtl/FloatFormat.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/rtl/Exception.h"

namespace {

// The most significant digits that a long double holds reliably.
constexpr int MaxDigitos = 18;

// A finite value as 0.Digitos x 10^Exponente, without trailing zeros; zero has no digits and no sign.
struct TDecimal {
  bool Negativo = false;
  QByteArray Digitos;
  int Exponente = 0;
};

void QuitarCerosFinales(TDecimal& ADecimal) {
  while (ADecimal.Digitos.endsWith('0')) ADecimal.Digitos.chop(1);
  if (ADecimal.Digitos.isEmpty()) ADecimal = TDecimal();
}

// The value's leading significant digits, correctly rounded by the C library.
TDecimal Descomponer(long double AValor) {
  char texto[64];
  std::snprintf(texto, sizeof texto, "%.*Le", MaxDigitos - 1, std::fabs(AValor));
  const char* exponente = std::strchr(texto, 'e');
  TDecimal decimal;
  decimal.Negativo = std::signbit(AValor);
  for (const char* c = texto; c < exponente; ++c)
    if (*c >= '0' && *c <= '9') decimal.Digitos += *c;
  decimal.Exponente = std::atoi(exponente + 1) + 1;
  QuitarCerosFinales(decimal);
  return decimal;
}

// Keeps ACuantos leading digits, rounding half away from zero on the first digit dropped.
void Redondear(TDecimal& ADecimal, int ACuantos) {
  if (ACuantos >= ADecimal.Digitos.size()) return;
  const bool haciaArriba = ACuantos >= 0 && ADecimal.Digitos[ACuantos] >= '5';
  ADecimal.Digitos.truncate(std::max(ACuantos, 0));
  if (haciaArriba) {
    qsizetype i = ACuantos - 1;
    for (; i >= 0 && ADecimal.Digitos[i] == '9'; --i) ADecimal.Digitos[i] = '0';
    if (i >= 0) {
      ++ADecimal.Digitos[i];
    } else {
      ADecimal.Digitos.prepend('1');
      ++ADecimal.Exponente;
    }
  }
  QuitarCerosFinales(ADecimal);
}

// The digit at position APosicion (0 is the first significant one); zero outside the digits.
QChar Digito(const TDecimal& ADecimal, int APosicion) {
  return QLatin1Char(APosicion >= 0 && APosicion < ADecimal.Digitos.size() ? ADecimal.Digitos[APosicion] : '0');
}

QString ConSigno(const TDecimal& ADecimal, const QString& ATexto) {
  return ADecimal.Negativo ? QLatin1Char('-') + ATexto : ATexto;
}

// The integer part and ADecimales decimals, without sign; AMiles, when not null, between groups of three.
QString Fijo(const TDecimal& ADecimal, int ADecimales, QChar ASeparador, QChar AMiles) {
  QString texto;
  for (int i = 0; i < ADecimal.Exponente; ++i) {
    if (!AMiles.isNull() && i > 0 && (ADecimal.Exponente - i) % 3 == 0) texto += AMiles;
    texto += Digito(ADecimal, i);
  }
  if (texto.isEmpty()) texto = QStringLiteral("0");
  if (ADecimales > 0) texto += ASeparador;
  for (int i = 0; i < ADecimales; ++i) texto += Digito(ADecimal, ADecimal.Exponente + i);
  return texto;
}

// d.dddE-x with every significant digit and at least ADigitosExponente exponent digits.
QString Exponencial(const TDecimal& ADecimal, int ADigitosExponente, QChar ASeparador) {
  QString texto = Digito(ADecimal, 0);
  if (ADecimal.Digitos.size() > 1) texto += ASeparador + QString::fromLatin1(ADecimal.Digitos.mid(1));
  const int exponente = ADecimal.Exponente - 1;
  texto += QLatin1Char('E');
  if (exponente < 0) texto += QLatin1Char('-');
  texto += QString::number(std::abs(exponente)).rightJustified(ADigitosExponente, QLatin1Char('0'));
  return ConSigno(ADecimal, texto);
}

QString General(const TDecimal& ADecimal, int APrecision, int ADigitos, QChar ASeparador) {
  if (ADecimal.Exponente > APrecision || ADecimal.Exponente < -4) return Exponencial(ADecimal, ADigitos, ASeparador);
  const int decimales = std::max(0, static_cast<int>(ADecimal.Digitos.size()) - ADecimal.Exponente);
  return ConSigno(ADecimal, Fijo(ADecimal, decimales, ASeparador, QChar()));
}

}  // namespace

QString FloatToStrF(long double AValue, TFloatFormat AFormat, int APrecision, int ADigits,
                    const TFormatSettings& ASettings) {
  if (std::isnan(AValue)) return QStringLiteral("NAN");
  if (std::isinf(AValue)) return AValue < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  const int precision = std::clamp(APrecision, 1, MaxDigitos);
  const int digitos = std::clamp(ADigits, 0, MaxDigitos);
  TDecimal decimal = Descomponer(AValue);
  if (AFormat == TFloatFormat::General) {
    Redondear(decimal, precision);
    return General(decimal, precision, digitos, ASettings.DecimalSeparator);
  }
  Redondear(decimal, std::min(precision, decimal.Exponente + digitos));
  if (decimal.Exponente > precision) return Exponencial(decimal, 0, ASettings.DecimalSeparator);
  const QChar miles = AFormat == TFloatFormat::Number ? ASettings.ThousandSeparator : QChar();
  return ConSigno(decimal, Fijo(decimal, digitos, ASettings.DecimalSeparator, miles));
}

QString FormatFloatZeros(int AZeros, long double AValue) {
  if (!std::isfinite(AValue)) return FloatToStrF(AValue, TFloatFormat::General, MaxDigitos, 0);
  TDecimal decimal = Descomponer(AValue);
  Redondear(decimal, std::min(MaxDigitos, decimal.Exponente));
  return ConSigno(decimal, Fijo(decimal, 0, QChar(), QChar()).rightJustified(AZeros, QLatin1Char('0')));
}

int StrToInt(const QString& AText) {
  qint64 valor = 0;
  if (!TryStrToInt64(AText, valor) || valor < std::numeric_limits<int>::min() ||
      valor > std::numeric_limits<int>::max())
    throw EConvertError(QLatin1Char('\'') + AText + QStringLiteral("' no es un valor entero válido."));
  return static_cast<int>(valor);
}

bool TryStrToInt64(const QString& AText, qint64& AValue) {
  static const QRegularExpression entero(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
  if (!entero.match(AText).hasMatch()) return false;
  bool valido = false;
  const qint64 valor = AText.toLongLong(&valido);
  if (valido) AValue = valor;
  return valido;
}

bool TryStrToFloat(const QString& AText, long double& AValue, const TFormatSettings& ASettings) {
  // The separator is matched as a placeholder, so that any character can be one.
  static const QRegularExpression real(QRegularExpression::anchoredPattern(
      QStringLiteral("\\s*([+-]?)([0-9]*)(?:\\x{FFFF}([0-9]*))?([eE][+-]?[0-9]+)?\\s*")));
  QString texto = AText;
  texto.replace(ASettings.DecimalSeparator, QChar(0xFFFF));
  const QRegularExpressionMatch partes = real.match(texto);
  if (!partes.hasMatch() || partes.capturedLength(2) + partes.capturedLength(3) == 0) return false;
  // from_chars reads a point and takes no plus sign.
  const QString signo = partes.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QString();
  const QByteArray numero =
      (signo + partes.captured(2) + QLatin1Char('.') + partes.captured(3) + partes.captured(4)).toLatin1();
  long double valor = 0;
  const auto [fin, error] = std::from_chars(numero.constData(), numero.constData() + numero.size(), valor);
  if (error != std::errc() || fin != numero.constData() + numero.size()) return false;
  AValue = valor;
  return true;
}
