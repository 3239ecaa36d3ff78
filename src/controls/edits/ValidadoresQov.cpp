#include "controls/edits/ValidadoresQov.h"

#include <limits>

#include "core/util/Utilerias.h"
#include "platform/rtl/FloatFormat.h"

namespace {

bool EsDigito(QChar AC) { return AC >= QLatin1Char('0') && AC <= QLatin1Char('9'); }

bool EsLetra(QChar AC, bool ATodasLasLetras) {
  const QChar ultima = ATodasLasLetras ? QLatin1Char('z') : QLatin1Char('y');
  return (AC >= QLatin1Char('A') && AC <= QLatin1Char('Z')) || AC == QLatin1Char('_') ||
         (AC >= QLatin1Char('a') && AC <= ultima);
}

// The number of letters before the folio's number: 0 to 3, or -1 when the text is laid out as no folio.
int LetrasDeFolio(const QString& ATexto, bool ATodasLasLetras) {
  const qsizetype n = ATexto.size();
  if (n < 1 || n > 9 || ATexto.contains(QLatin1Char(' '))) return -1;
  if (EsDigito(ATexto[0])) return 0;
  if (!EsLetra(ATexto[0], ATodasLasLetras) || n < 2) return -1;
  if (EsDigito(ATexto[1])) return 1;
  if (n < 3 || !EsLetra(ATexto[1], ATodasLasLetras)) return -1;
  if (EsDigito(ATexto[2])) return 2;
  if (n < 4 || !EsLetra(ATexto[2], ATodasLasLetras)) return -1;
  return 3;
}

}  // namespace

bool EsEnteroValido(const QString& ATexto, bool ARango, int AMinimo, int AMaximo) {
  qint64 valor = 0;
  if (!TryStrToInt64(ATexto, valor) || valor < std::numeric_limits<int>::min() ||
      valor > std::numeric_limits<int>::max())
    return false;
  return !ARango || (valor >= AMinimo && valor <= AMaximo);
}

bool EsFlotanteValido(const QString& ATexto, bool ARango, long double AMinimo, long double AMaximo) {
  long double valor = 0;
  if (!TryStrToFloat(ATexto, valor)) return false;
  return !ARango ||
         (CompararFlotantes(valor, AMinimo, 0.000001L) >= 0 && CompararFlotantes(valor, AMaximo, 0.000001L) <= 0);
}

bool EsFolioValido(const QString& ATexto, bool ATodasLasLetras) {
  const int letras = LetrasDeFolio(ATexto, ATodasLasLetras);
  if (letras < 0) return false;
  if (letras == 0) return EsEnteroValido(ATexto, false, 0, 0);
  // One letter and a single digit: any digit but zero.
  if (letras == 1 && ATexto.size() == 2) return ATexto[1] != QLatin1Char('0');
  constexpr int maximos[] = {0, 99999999, 9999999, 999999};
  return EsEnteroValido(ATexto.mid(letras), true, 1, maximos[letras]);
}

QString FormatearFolio(const QString& ATexto, bool ATodasLasLetras) {
  if (!EsFolioValido(ATexto, ATodasLasLetras)) return {};
  const int letras = LetrasDeFolio(ATexto, ATodasLasLetras);
  return ATexto.left(letras).toUpper() + NumeroConCeros(9 - letras, StrToInt(ATexto.mid(letras)));
}
