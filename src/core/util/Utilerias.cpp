#include "core/util/Utilerias.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// Two reals closer than this are the same number to the numeric edits.
constexpr long double PrecisionEdicion = 0.000001L;

// 10 to the power AExponente; exact for every power of ten that a long double holds.
long double PotenciaDiez(int AExponente) {
  long double potencia = 1;
  for (int i = 0; i < std::abs(AExponente); ++i) potencia *= 10;
  return AExponente < 0 ? 1 / potencia : potencia;
}

QString SinCerosFinales(QString ATexto) {
  while (ATexto.endsWith(QLatin1Char('0'))) ATexto.chop(1);
  return ATexto;
}

// The display text of FormatearNumero for a value already rounded to its decimals.
QString TextoMostrado(int AAncho, int ADecimales, long double AValor, int AMinDecimales, const QString& ALetras,
                      bool AVacioSiCero) {
  const QString error = QStringLiteral("Error");
  // Only values above the largest that fits are refused; a negative one is not compared.
  if (CompararFlotantes(AValor, ValorMaximoDigitos(AAncho - ADecimales, ADecimales), PrecisionEdicion) > 0)
    return error;
  const QString fijo = FloatToStrF(AValor, TFloatFormat::Fixed, AAncho, ADecimales);
  if (fijo.contains(QLatin1Char('E'), Qt::CaseInsensitive) || fijo.contains(QStringLiteral("NAN")) ||
      fijo.contains(QStringLiteral("INF")))
    return error;
  if (ALetras.contains(QLatin1Char('J'))) return FormatFloatZeros(std::min(AAncho, 18), AValor);
  // The decimals needed are those left after dropping trailing zeros, behind whatever decimal separator
  // the process-wide format has.
  const QChar separador = FormatSettings.DecimalSeparator;
  int decimales = 0;
  if (fijo.contains(separador))
    decimales = static_cast<int>(SinCerosFinales(fijo).size() - fijo.indexOf(separador) - 1);
  decimales = std::min(std::max(decimales, AMinDecimales), ADecimales);
  if (AVacioSiCero) return {};
  const TFloatFormat formato = ALetras.contains(QLatin1Char('F')) ? TFloatFormat::Fixed : TFloatFormat::Number;
  return FloatToStrF(AValor, formato, AAncho, decimales);
}

// The plain text of FormatearNumero for a value already rounded to its decimals: no trailing decimal zeros.
QString TextoSimple(int AAncho, int ADecimales, long double AValor, bool AVacioSiCero) {
  const QString fijo = FloatToStrF(AValor, TFloatFormat::Fixed, ADecimales == 0 ? 18 : AAncho, ADecimales);
  if (fijo.contains(QStringLiteral("NAN")) || fijo.contains(QStringLiteral("INF"))) return {};
  if (fijo.contains(QLatin1Char('E'), Qt::CaseInsensitive)) return fijo;
  if (AVacioSiCero) return {};
  const QChar separador = FormatSettings.DecimalSeparator;
  if (!fijo.contains(separador)) return fijo;
  QString texto = SinCerosFinales(fijo);
  if (texto.endsWith(separador)) texto.chop(1);
  return texto;
}

}  // namespace

long double Signo(long double AValor) {
  if (AValor > 0) return 1;
  if (AValor < 0) return -1;
  return 0;
}

long double RedondearPaso(long double AValor, long double APaso) {
  // Binary fractions a hair below one half of the step still round up; the finer the step, the more
  // of that error is absorbed.
  const long double umbral = APaso >= 0.0001L ? 0.499999L : APaso >= 0.00001L ? 0.4999L : 0.499L;
  const long double cociente = std::fabs(AValor) / APaso;
  if (!std::isfinite(cociente) && !std::isnan(AValor))
    throw EInvalidOp(QStringLiteral("Operación de punto flotante no válida."));
  long double pasos = std::trunc(cociente);
  if (cociente - pasos >= umbral) pasos += 1;
  return pasos * APaso * Signo(AValor);
}

int CompararFlotantes(long double A, long double B, long double APrecision) {
  return static_cast<int>(Signo(RedondearPaso(A - B, APrecision)));
}

long double ValorMaximoDigitos(int ADigitos, int ADecimales) {
  return (PotenciaDiez(ADigitos) - 1) + (1 - PotenciaDiez(-ADecimales));
}

void RellenarFijo(QChar* ADestino, int AUltimo, const QString& ATexto) {
  for (int i = 0; i <= AUltimo; ++i) ADestino[i] = i < ATexto.size() ? ATexto[i] : QLatin1Char(' ');
}

QString TextoDerecha(const QString& ATexto, int ACuantos) {
  if (ACuantos <= 0) return {};
  return ATexto.right(ACuantos);
}

QString RellenarCaracter(const QString& ATexto, QChar ARelleno, qint16 AAncho) {
  if (AAncho < 0) {
    const int ancho = -static_cast<int>(AAncho);
    return TextoDerecha(QString(ancho, ARelleno) + ATexto, ancho);
  }
  return (ATexto + QString(AAncho, ARelleno)).left(AAncho);
}

QString NumeroConCeros(int ADigitos, long double AValor) {
  if (AValor < 0)
    return QLatin1Char('-') + RellenarCaracter(FloatToStrF(-AValor, TFloatFormat::General, 18, 0), QLatin1Char('0'),
                                               static_cast<qint16>(-(ADigitos - 1)));
  return RellenarCaracter(FloatToStrF(AValor, TFloatFormat::General, 18, 0), QLatin1Char('0'),
                          static_cast<qint16>(-ADigitos));
}

bool SoloDigitos(const QString& ATexto) {
  return std::all_of(ATexto.begin(), ATexto.end(), [](QChar c) {
    if (c.unicode() <= 0xFF) return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return c.category() == QChar::Number_DecimalDigit;
  });
}

void SepararTexto(const QString& ATexto, const QString& ASeparador, QStringList& ALista) {
  ALista.clear();
  qsizetype inicio = 0;
  while (inicio < ATexto.size()) {
    // An empty separator is never found, so the loop always moves on.
    qsizetype posicion = ASeparador.isEmpty() ? -1 : ATexto.indexOf(ASeparador, inicio);
    if (posicion < 0) posicion = ATexto.size();
    ALista.append(ATexto.mid(inicio, posicion - inicio));
    inicio = posicion + ASeparador.size();
  }
  if (ATexto.endsWith(ASeparador)) ALista.append(QString());
}

QString FormatearNumero(bool AMostrar, int AAncho, int ADecimales, long double AValor, int AMinDecimales,
                        const QString& ALetras) {
  const long double valor = RedondearPaso(AValor, PotenciaDiez(-ADecimales));
  const QString letras = ALetras.toUpper();
  const bool vacioSiCero = letras.contains(QLatin1Char('C')) && CompararFlotantes(valor, 0, PrecisionEdicion) == 0;
  // Letters without an upper-case one ask for the plain text.
  if (AMostrar && std::any_of(ALetras.begin(), ALetras.end(), [](QChar c) { return c.isUpper(); }))
    return TextoMostrado(AAncho, ADecimales, valor, AMinDecimales, letras, vacioSiCero);
  return TextoSimple(AAncho, ADecimales, valor, vacioSiCero);
}
