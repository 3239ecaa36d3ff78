#include "platform/rtl/FormatSettings.h"

#include <QLocale>

namespace {

// The first character of a locale's format that is neither a letter nor a blank: its separator.
QChar Separador(const QString& formato, QChar predeterminado) {
  for (const QChar c : formato)
    if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) return c;
  return predeterminado;
}

// Turns a Qt date or time pattern into this format's letters, the separator into its placeholder.
// Quoted text and the am/pm and time-zone parts are left out: hours are always on the 24-hour clock.
QString Convertir(const QString& patron, QChar separador, QChar marcador) {
  QString resultado;
  bool citado = false;
  for (const QChar c : patron) {
    if (c == QLatin1Char('\''))
      citado = !citado;
    else if (citado)
      continue;
    else if (c == separador)
      resultado += marcador;
    else if (c == QLatin1Char('M'))
      resultado += QLatin1Char('m');
    else if (c == QLatin1Char('H'))
      resultado += QLatin1Char('h');
    else if (c == QLatin1Char('m'))
      resultado += QLatin1Char('n');
    else if (QStringLiteral("aApPt").contains(c))
      continue;
    else
      resultado += c;
  }
  return resultado.trimmed();
}

// Appends the number with at least `digitos` digits.
void Agregar(QString& texto, int valor, int digitos) {
  texto += QString::number(valor).rightJustified(digitos, QLatin1Char('0'));
}

}  // namespace

TFormatSettings TFormatSettings::Create(const QString& ALocale) {
  const QLocale locale(QString(ALocale).replace(QLatin1Char('-'), QLatin1Char('_')));
  const QString fecha = locale.dateFormat(QLocale::ShortFormat);
  const QString hora = locale.timeFormat(QLocale::ShortFormat);
  TFormatSettings s;
  s.DateSeparator = Separador(fecha, QLatin1Char('/'));
  s.TimeSeparator = Separador(hora, QLatin1Char(':'));
  s.ShortDateFormat = Convertir(fecha, s.DateSeparator, QLatin1Char('/'));
  s.ShortTimeFormat = Convertir(hora, s.TimeSeparator, QLatin1Char(':'));
  s.DecimalSeparator = locale.decimalPoint().front();
  s.ThousandSeparator = locale.groupSeparator().front();
  return s;
}

TFormatSettings FormatSettings = TFormatSettings::Create(QLocale::system().name());

QString FormatDateTime(const QString& AFormat, TDateTime AValue, const TFormatSettings& ASettings) {
  const QDateTime valor = QDateTimeFromDateTime(AValue);
  const QDate fecha = valor.date();
  const QTime hora = valor.time();
  QString resultado;
  bool trasHora = false;  // "m" right after an hour means minutes
  for (qsizetype i = 0; i < AFormat.size();) {
    const QChar c = AFormat[i];
    const QChar letra = c.toLower();
    qsizetype n = 1;
    while (i + n < AFormat.size() && AFormat[i + n].toLower() == letra) ++n;
    const int digitos = n >= 2 ? 2 : 1;
    if (letra == QLatin1Char('y')) {
      if (n <= 2)
        Agregar(resultado, fecha.year() % 100, 2);
      else
        Agregar(resultado, fecha.year(), 4);
      trasHora = false;
    } else if (letra == QLatin1Char('m')) {
      Agregar(resultado, trasHora ? hora.minute() : fecha.month(), digitos);
      trasHora = false;
    } else if (letra == QLatin1Char('d')) {
      Agregar(resultado, fecha.day(), digitos);
      trasHora = false;
    } else if (letra == QLatin1Char('h')) {
      Agregar(resultado, hora.hour(), digitos);
      trasHora = true;
    } else if (letra == QLatin1Char('n')) {
      Agregar(resultado, hora.minute(), digitos);
      trasHora = false;
    } else if (letra == QLatin1Char('s')) {
      Agregar(resultado, hora.second(), digitos);
      trasHora = false;
    } else {
      n = 1;
      if (c == QLatin1Char('/'))
        resultado += ASettings.DateSeparator;
      else if (c == QLatin1Char(':'))
        resultado += ASettings.TimeSeparator;
      else
        resultado += c;
    }
    i += n;
  }
  return resultado;
}
