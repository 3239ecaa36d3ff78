#include "platform/rtl/FloatFormat.h"

#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <cfloat>
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
// Rounded to at most so many digits, a double's shortest decimal gives the digits that its 18 leading
// digits give, but where it ends in a half of the last digit kept.
constexpr int DigitosCortos = 15;

// A finite value as 0.Digitos x 10^Exponente, without trailing zeros; zero has no digits and no sign.
struct TDecimal {
  bool Negativo = false;
  char Digitos[MaxDigitos + 4];
  int Largo = 0;
  int Exponente = 0;
};

// The text of a number being written, on the stack unless it is very long.
class TTexto {
 public:
  void operator+=(QChar AChar) { FCaracteres.append(AChar.unicode()); }
  void operator+=(char AChar) { FCaracteres.append(static_cast<char16_t>(AChar)); }
  QString Cadena() const {
    return QString(reinterpret_cast<const QChar*>(FCaracteres.constData()), FCaracteres.size());
  }

 private:
  QVarLengthArray<char16_t, 64> FCaracteres;
};

void QuitarCerosFinales(TDecimal& ADecimal) {
  while (ADecimal.Largo > 0 && ADecimal.Digitos[ADecimal.Largo - 1] == '0') --ADecimal.Largo;
  if (ADecimal.Largo == 0) ADecimal = TDecimal();
}

// Reads the digits and the exponent of a text in the form d.ddde+x.
TDecimal Leer(const char* ATexto, bool ANegativo) {
  TDecimal decimal;
  decimal.Negativo = ANegativo;
  const char* c = ATexto;
  for (; *c != 'e'; ++c)
    if (*c != '.') decimal.Digitos[decimal.Largo++] = *c;
  decimal.Exponente = std::atoi(c + 1) + 1;
  QuitarCerosFinales(decimal);
  return decimal;
}

// The value's 18 leading significant digits, correctly rounded by the C library.
TDecimal Descomponer(long double AValor) {
  char texto[64];
  std::snprintf(texto, sizeof texto, "%.*Le", MaxDigitos - 1, std::fabs(AValor));
  return Leer(texto, std::signbit(AValor));
}

// The shortest decimal that reads back as the value; false when the value is no double, or one of the
// tiniest, which hold fewer digits.
bool Corto(long double AValor, TDecimal& ADecimal) {
  const double doble = static_cast<double>(AValor);
  if (static_cast<long double>(doble) != AValor || (doble != 0 && std::fabs(doble) < DBL_MIN)) return false;
  char texto[64];
  *std::to_chars(texto, texto + sizeof texto - 1, std::fabs(doble), std::chars_format::scientific).ptr = 0;
  ADecimal = Leer(texto, std::signbit(doble));
  return true;
}

// Keeps ACuantos leading digits, rounding half away from zero on the first digit dropped.
void Redondear(TDecimal& ADecimal, int ACuantos) {
  if (ACuantos >= ADecimal.Largo) return;
  const bool haciaArriba = ACuantos >= 0 && ADecimal.Digitos[ACuantos] >= '5';
  ADecimal.Largo = std::max(ACuantos, 0);
  if (haciaArriba) {
    int i = ACuantos - 1;
    for (; i >= 0 && ADecimal.Digitos[i] == '9'; --i) ADecimal.Digitos[i] = '0';
    if (i >= 0) {
      ++ADecimal.Digitos[i];
    } else {
      std::memmove(ADecimal.Digitos + 1, ADecimal.Digitos, ADecimal.Largo);
      ADecimal.Digitos[0] = '1';
      ++ADecimal.Largo;
      ++ADecimal.Exponente;
    }
  }
  QuitarCerosFinales(ADecimal);
}

// The value's 18 leading digits rounded to as many as ACuantos gives for them (FloatToStrF's rounding);
// taken from the value's shortest decimal, without the C library, wherever that gives the same digits.
template <typename Cuantos>
TDecimal Redondeado(long double AValor, Cuantos ACuantos) {
  TDecimal decimal;
  if (Corto(AValor, decimal)) {
    const int cuantos = ACuantos(decimal);
    const bool mitad = cuantos >= 0 && decimal.Largo == cuantos + 1 && decimal.Digitos[cuantos] == '5';
    if (cuantos <= DigitosCortos && !mitad) {
      Redondear(decimal, cuantos);
      return decimal;
    }
  }
  decimal = Descomponer(AValor);
  Redondear(decimal, ACuantos(decimal));
  return decimal;
}

// The digit at position APosicion (0 is the first significant one); zero outside the digits.
char Digito(const TDecimal& ADecimal, int APosicion) {
  return APosicion >= 0 && APosicion < ADecimal.Largo ? ADecimal.Digitos[APosicion] : '0';
}

void Signo(const TDecimal& ADecimal, TTexto& ATexto) {
  if (ADecimal.Negativo) ATexto += '-';
}

// The integer part and ADecimales decimals, without sign; AMiles, when not null, between groups of three.
void Fijo(const TDecimal& ADecimal, int ADecimales, QChar ASeparador, QChar AMiles, TTexto& ATexto) {
  if (ADecimal.Exponente <= 0) ATexto += '0';
  for (int i = 0; i < ADecimal.Exponente; ++i) {
    if (!AMiles.isNull() && i > 0 && (ADecimal.Exponente - i) % 3 == 0) ATexto += AMiles;
    ATexto += Digito(ADecimal, i);
  }
  if (ADecimales > 0) ATexto += ASeparador;
  for (int i = 0; i < ADecimales; ++i) ATexto += Digito(ADecimal, ADecimal.Exponente + i);
}

// d.dddE-x with every significant digit and at least ADigitosExponente exponent digits.
QString Exponencial(const TDecimal& ADecimal, int ADigitosExponente, QChar ASeparador) {
  TTexto texto;
  Signo(ADecimal, texto);
  texto += Digito(ADecimal, 0);
  if (ADecimal.Largo > 1) texto += ASeparador;
  for (int i = 1; i < ADecimal.Largo; ++i) texto += ADecimal.Digitos[i];
  const int exponente = ADecimal.Exponente - 1;
  texto += 'E';
  if (exponente < 0) texto += '-';
  char numero[16];
  const int largo = static_cast<int>(std::to_chars(numero, numero + sizeof numero, std::abs(exponente)).ptr - numero);
  for (int i = largo; i < ADigitosExponente; ++i) texto += '0';
  for (int i = 0; i < largo; ++i) texto += numero[i];
  return texto.Cadena();
}

QString General(const TDecimal& ADecimal, int APrecision, int ADigitos, QChar ASeparador) {
  if (ADecimal.Exponente > APrecision || ADecimal.Exponente < -4) return Exponencial(ADecimal, ADigitos, ASeparador);
  TTexto texto;
  Signo(ADecimal, texto);
  Fijo(ADecimal, std::max(0, ADecimal.Largo - ADecimal.Exponente), ASeparador, QChar(), texto);
  return texto.Cadena();
}

}  // namespace

QString FloatToStrF(long double AValue, TFloatFormat AFormat, int APrecision, int ADigits,
                    const TFormatSettings& ASettings) {
  if (std::isnan(AValue)) return QStringLiteral("NAN");
  if (std::isinf(AValue)) return AValue < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  const int precision = std::clamp(APrecision, 1, MaxDigitos);
  const int digitos = std::clamp(ADigits, 0, MaxDigitos);
  if (AFormat == TFloatFormat::General)
    return General(Redondeado(AValue, [precision](const TDecimal&) { return precision; }), precision, digitos,
                   ASettings.DecimalSeparator);
  const TDecimal decimal =
      Redondeado(AValue, [=](const TDecimal& ADecimal) { return std::min(precision, ADecimal.Exponente + digitos); });
  if (decimal.Exponente > precision) return Exponencial(decimal, 0, ASettings.DecimalSeparator);
  const QChar miles = AFormat == TFloatFormat::Number ? ASettings.ThousandSeparator : QChar();
  TTexto texto;
  Signo(decimal, texto);
  Fijo(decimal, digitos, ASettings.DecimalSeparator, miles, texto);
  return texto.Cadena();
}

QString ScaledToStr(qint64 AUnscaled, int AScale, const TFormatSettings& ASettings) {
  TDecimal decimal;
  decimal.Negativo = AUnscaled < 0;
  const quint64 magnitud = decimal.Negativo ? 0 - static_cast<quint64>(AUnscaled) : static_cast<quint64>(AUnscaled);
  decimal.Largo = static_cast<int>(
      std::to_chars(decimal.Digitos, decimal.Digitos + sizeof decimal.Digitos, magnitud).ptr - decimal.Digitos);
  decimal.Exponente = decimal.Largo - AScale;
  QuitarCerosFinales(decimal);
  return General(decimal, std::numeric_limits<int>::max(), 0, ASettings.DecimalSeparator);
}

QString FormatFloatZeros(int AZeros, long double AValue) {
  if (!std::isfinite(AValue)) return FloatToStrF(AValue, TFloatFormat::General, MaxDigitos, 0);
  const TDecimal decimal =
      Redondeado(AValue, [](const TDecimal& ADecimal) { return std::min(MaxDigitos, ADecimal.Exponente); });
  TTexto texto;
  Fijo(decimal, 0, QChar(), QChar(), texto);
  return (decimal.Negativo ? QStringLiteral("-") : QString()) + texto.Cadena().rightJustified(AZeros, QLatin1Char('0'));
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
