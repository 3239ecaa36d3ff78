#include "platform/rtl/DateTimePattern.h"

#include <QVarLengthArray>
#include <charconv>

namespace {

using TTexto = QVarLengthArray<char16_t, 64>;

// Appends the number with at least ADigitos characters, zeros on the left (before a minus sign too).
void Agregar(TTexto& ATexto, int AValor, int ADigitos) {
  char numero[16];
  const int largo = static_cast<int>(std::to_chars(numero, numero + sizeof numero, AValor).ptr - numero);
  for (int i = largo; i < ADigitos; ++i) ATexto.append(u'0');
  for (int i = 0; i < largo; ++i) ATexto.append(static_cast<char16_t>(numero[i]));
}

}  // namespace

TDateTimePattern::TDateTimePattern(const QString& AFormat, QChar ADateSeparator, QChar ATimeSeparator) {
  bool trasHora = false;  // "m" right after an hour means minutes
  for (qsizetype i = 0; i < AFormat.size();) {
    const QChar c = AFormat[i];
    const char16_t letra = c.toLower().unicode();
    qsizetype n = 1;
    while (i + n < AFormat.size() && AFormat[i + n].toLower() == letra) ++n;
    const char digitos = n >= 2 ? 2 : 1;
    TElemento elemento{TParte::Literal, 0, c.unicode()};
    switch (letra) {
      case u'y':
        elemento = {n <= 2 ? TParte::Year2 : TParte::Year4, static_cast<char>(n <= 2 ? 2 : 4), 0};
        break;
      case u'm':
        elemento = {trasHora ? TParte::Minute : TParte::Month, digitos, 0};
        break;
      case u'd':
        elemento = {TParte::Day, digitos, 0};
        break;
      case u'h':
        elemento = {TParte::Hour, digitos, 0};
        break;
      case u'n':
        elemento = {TParte::Minute, digitos, 0};
        break;
      case u's':
        elemento = {TParte::Second, digitos, 0};
        break;
      default:
        n = 1;
        if (c == QLatin1Char('/'))
          elemento.Caracter = ADateSeparator.unicode();
        else if (c == QLatin1Char(':'))
          elemento.Caracter = ATimeSeparator.unicode();
    }
    if (elemento.Parte != TParte::Literal) trasHora = elemento.Parte == TParte::Hour;
    FElementos.push_back(elemento);
    i += n;
  }
}

QString TDateTimePattern::Format(const TDateTimeParts& AParts) const {
  // In the order of the parts.
  const int valores[] = {0,          AParts.Year % 100, AParts.Year,   AParts.Month,
                         AParts.Day, AParts.Hour,       AParts.Minute, AParts.Second};
  TTexto texto;
  for (const TElemento& e : FElementos)
    if (e.Parte == TParte::Literal)
      texto.append(e.Caracter);
    else
      Agregar(texto, valores[static_cast<int>(e.Parte)], e.Digitos);
  return QString(reinterpret_cast<const QChar*>(texto.constData()), texto.size());
}
